// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// celmora-cli diagnose: the Diagnose run without the workstation, as the Diagnose
// button would run it for the given birth data. Prints the main chart record, the
// label texts and the messages shown, as JSON.

#include <optional>
#include <ostream>

#include "app/Workstation.h"
#include "cli/ChartJson.h"
#include "cli/CliCommand.h"
#include "cli/CliSession.h"
#include "cli/CommandReport.h"
#include "cli/JsonWriter.h"
#include "cli/PersonOptions.h"
#include "core/BirthInput.h"
#include "core/DiagnosisRun.h"

namespace celmora::cli {

namespace {

constexpr const char* usage =
    "celmora-cli diagnose --date YYYY/MM/DD [--time HH:MM] [--name NAME] [--sex 男|女]\n"
    "                     [--place NAME] [--diff ±MM]\n"
    "  --date   birth date; month and day as two digits, as the date boxes hold them\n"
    "  --time   birth clock time (default 12:00, the time to give when it is unknown)\n"
    "  --place  one of the 50 birthplaces; sets the time difference and house table\n"
    "  --diff   time difference in minutes, overriding the place's\n"
    "celmora-cli diagnose --person NAME [--list 1|2] [--save]\n"
    "  --person the birth data of a stored person (exact name) instead of the options above\n"
    "  --list   the person list: 1 (人名１, default) or 2 (人名２)\n"
    "  --save   write the chart summary back into that person's row, as 診断 does\n"
    "Exit status: 0 completed, 2 input refused with a message (unreadable birth data,\n"
    "a day or table missing from the data), 1 an error ended the run.\n";

int runDiagnose(CliSession& session, const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> birthArgs = args;
    const PersonOptions person = takePersonOptions(birthArgs);
    requireNoBirthOptions(person, birthArgs);
    std::optional<core::BirthInput> input;
    if (!person.person) input = parseBirthInput(birthArgs);
    app::Workstation workstation(session.services());
    // Only a stored person's row is written, and only when asked to.
    workstation.records().setPersonWriteBack(person.save);

    CommandReport report(session, "diagnose");
    report.guard([&] {
        if (person.person) input = selectPerson(workstation.records().persons(), person, session.messages());
        if (!input || !workstation.run().run(*input)) report.refuse();
    });
    report.addOutcome();
    const core::DiagnosisLabels& labels = workstation.run().labels();
    report.json["labels"] = {
        {"namlbl", labels.namlbl}, {"koseijilbl", labels.koseijilbl}, {"syuseiji", labels.syuseiji}};
    if (person.person && input) report.json["person"] = personRowJson(workstation.records().persons().cursor());
    report.write("chart", [&](JsonWriter& w) { writeChart(w, workstation.chart()); });
    report.write("wheel", [&](JsonWriter& w) {
        writeWheel(w, workstation.graphics().wheelFrame(), workstation.western().aspectMatrix());
    });
    return report.print(out, err);
}

}  // namespace

CliCommand diagnoseCommand()
{
    return {"diagnose", "run the Diagnose run on birth data and print the chart record as JSON", usage, &runDiagnose};
}

}  // namespace celmora::cli
