// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// celmora-cli persons: the person lists ("jinmei") from the command line: list the
// rows, add a person, export a list to CSV and import a CSV file into a list. Prints
// JSON; a file that cannot be imported is refused whole, naming its line.

#include <fstream>
#include <ostream>

#include "app/Workstation.h"
#include "cli/CliCommand.h"
#include "cli/CliSession.h"
#include "cli/CommandReport.h"
#include "cli/PersonOptions.h"
#include "core/BirthInput.h"
#include "platform/EventBoundary.h"
#include "platform/Table.h"
#include "records/PersonCsv.h"
#include "records/PersonFields.h"
#include "records/PersonTable.h"
#include "records/WriteBackPerson.h"

namespace celmora::cli {

namespace {

constexpr const char* usage =
    "celmora-cli persons list [--list 1|2]\n"
    "celmora-cli persons add [--list 1|2] --name NAME --date YYYY/MM/DD [--time HH:MM]\n"
    "                        [--sex 男|女] [--place NAME] [--diff ±MM]\n"
    "celmora-cli persons export FILE.csv [--list 1|2]\n"
    "celmora-cli persons import FILE.csv [--list 1|2]\n"
    "  --list    1 for the list 人名１ (default), 2 for 人名２\n"
    "  list      every row of the list in entry order, with every field\n"
    "  add       a new row with the birth data as the data-entry page holds it\n"
    "  export    the list as UTF-8 CSV, a header line of field names first\n"
    "  import    rows of a CSV file in that form appended to the list; the columns may\n"
    "            come in any order and leave fields out. A malformed row refuses the\n"
    "            whole file (nothing is written) and names its line. Into an empty list\n"
    "            the file's \"No\" numbers are kept; otherwise the rows are numbered after\n"
    "            those of the list.\n"
    "Exit status: 0 completed, 2 refused (a file that cannot be imported), 1 an error.\n";

using Json = nlohmann::ordered_json;

Json allRows(const records::PersonTable& persons)
{
    Json rows = Json::array();
    const auto reader = persons.openReader();
    reader->selectIndex("");
    if (reader->isEmpty()) return rows;
    for (bool more = reader->first(); more; more = reader->next()) rows.push_back(personRowJson(*reader));
    return rows;
}

std::string fileArgument(std::vector<std::string>& args, const char* action)
{
    if (args.empty() || args.front().rfind("--", 0) == 0) {
        throw UsageError{std::string("persons ") + action + " には CSV ファイルを指定してください。"};
    }
    std::string file = args.front();
    args.erase(args.begin());
    if (!args.empty()) throw UsageError{"不明なオプションです: " + args.front()};
    return file;
}

int runPersons(CliSession& session, const std::vector<std::string>& commandArgs, std::ostream& out, std::ostream& err)
{
    if (commandArgs.empty()) throw UsageError{"list、add、export、import のどれかを指定してください。"};
    const std::string action = commandArgs.front();
    std::vector<std::string> args(commandArgs.begin() + 1, commandArgs.end());
    const records::PersonList list = takeListOption(args);

    std::string file;
    core::BirthInput birth;
    if (action == "list") {
        if (!args.empty()) throw UsageError{"不明なオプションです: " + args.front()};
    } else if (action == "add") {
        birth = parseBirthInput(args);
        if (birth.name.empty()) throw UsageError{"--name で氏名を指定してください。"};
    } else if (action == "export" || action == "import") {
        file = fileArgument(args, action.c_str());
    } else {
        throw UsageError{"不明な操作です: " + action};
    }

    app::Workstation workstation(session.services());
    workstation.records().setPersonWriteBack(false);
    records::PersonTable& persons = workstation.records().persons();

    CommandReport report(session, "persons");
    Json& result = report.json;
    result["action"] = action;
    result["list"] = static_cast<int>(list);
    report.guard([&] {
        persons.open(list);
        if (action == "list") {
            result["rows"] = allRows(persons);
            result["count"] = result["rows"].size();
        } else if (action == "add") {
            persons.appendNew();
            records::writeBirthFields(persons, birth);
            persons.setField(records::fields::area1, birth.area1);
            persons.save();
            result["row"] = personRowJson(persons.cursor());
        } else if (action == "export") {
            std::ofstream csv(file, std::ios::binary);
            if (csv) records::exportPersonsCsv(persons, csv);
            if (!csv || !csv.flush()) throw platform::CommandError("ファイル「" + file + "」に書き出せませんでした。");
            result["file"] = file;
            result["count"] = persons.openReader()->recordCount();
        } else {
            std::ifstream csv(file, std::ios::binary);
            if (!csv) throw platform::CommandError("ファイル「" + file + "」を読めません。");
            try {
                result["imported"] = records::importPersonsCsv(persons, csv);
            } catch (const records::CsvFormatError& e) {
                report.refuse(e.what());
                result["line"] = e.line();
            }
            result["file"] = file;
            result["count"] = persons.openReader()->recordCount();
        }
    });
    report.addOutcome();
    return report.print(out, err);
}

}  // namespace

CliCommand personsCommand()
{
    return {"persons", "list, add, export (CSV) and import (CSV) the rows of a person list", usage, &runPersons};
}

}  // namespace celmora::cli
