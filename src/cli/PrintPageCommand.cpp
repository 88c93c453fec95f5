// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// celmora-cli print-page: a reading page printed through the reading-page report into
// a PDF file, as a reading print sends it to the printer. The birth line under the
// name is that of the chart diagnosed first: a stored person (--person) or birth
// options as for diagnose; without either it is empty. Prints JSON. Runs in the
// drawing module; the help text is the executable's (DrawingCommands.cpp).

#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>

#include "app/Workstation.h"
#include "cli/CliCommand.h"
#include "cli/CliSession.h"
#include "cli/CommandReport.h"
#include "cli/GuiApplication.h"
#include "cli/PersonOptions.h"
#include "cli/RenderModule.h"
#include "core/BirthInput.h"
#include "core/DiagnosisRun.h"
#include "platform/EventBoundary.h"
#include "platform/qt/QtPrinter.h"
#include "print/QRUnit1.h"

namespace celmora::cli {

namespace {

struct PageOptions {
    std::string nameLine;
    std::optional<std::string> textFile;
    std::optional<std::string> text;
    std::string pdf;
};

PageOptions takePageOptions(std::vector<std::string>& args)
{
    PageOptions o;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool ours = a == "--name-line" || a == "--text-file" || a == "--text" || a == "--pdf";
        if (!ours) {
            rest.push_back(a);
            continue;
        }
        if (i + 1 >= args.size()) throw UsageError{"オプション " + a + " に値がありません。"};
        const std::string& v = args[++i];
        if (a == "--name-line")
            o.nameLine = v;
        else if (a == "--text-file")
            o.textFile = v;
        else if (a == "--text")
            o.text = v;
        else
            o.pdf = v;
    }
    if (o.pdf.empty()) throw UsageError{"--pdf で書き出す PDF ファイルを指定してください。"};
    if (o.textFile.has_value() == o.text.has_value()) {
        throw UsageError{"本文は --text-file か --text のどちらか一方で指定してください。"};
    }
    args = std::move(rest);
    return o;
}

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

int runPrintPage(CliSession& session, const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> rest = args;
    const PageOptions page = takePageOptions(rest);
    const PersonOptions person = takePersonOptions(rest);
    if (person.save) throw UsageError{"print-page では --save は使えません。"};
    requireNoBirthOptions(person, rest);
    std::optional<core::BirthInput> birth;
    if (!person.person && !rest.empty()) birth = parseBirthInput(rest);

    std::string body;
    if (page.textFile) {
        std::ifstream in(*page.textFile, std::ios::binary);
        if (!in) throw UsageError{"本文のファイル「" + *page.textFile + "」を読めません。"};
        std::ostringstream text;
        text << in.rdbuf();
        body = text.str();
    } else {
        body = *page.text;
    }
    if (body.rfind("\xEF\xBB\xBF", 0) == 0) body.erase(0, 3);

    app::Workstation workstation(session.services());
    workstation.records().setPersonWriteBack(false);

    CommandReport report(session, "print-page");
    nlohmann::ordered_json& result = report.json;
    report.guard([&] {
        if (person.person) birth = selectPerson(workstation.records().persons(), person, session.messages());
        if (person.person && !birth) report.refuse();
        if (report.completed() && birth && !workstation.run().run(*birth)) report.refuse();
        if (report.completed()) {
            // Printing needs the toolkit's font system.
            const auto app = makeGuiApplication();
            auto printer = platform::makePdfPrinter(page.pdf, platform::PaperKind::A4);
            print::TQRForm1 form(*printer, workstation.chart());
            if (!form.PrintReadingPage(page.nameLine, splitLines(body))) {
                throw platform::CommandError("ファイル「" + page.pdf + "」に書き出せませんでした。");
            }
            result["pdf"] = page.pdf;
            result["pages"] = form.printedPageLabels().size();
            nlohmann::ordered_json labels = nlohmann::ordered_json::array();
            for (const std::string& label : form.printedPageLabels()) labels.push_back(label);
            result["pageLabels"] = labels;
            result["QRname"] = form.QRname();
            result["QRbirth"] = form.QRbirth();
            result["QRLogo"] = form.QRLogo();
        }
    });
    report.addOutcome();
    return report.print(out, err);
}

}  // namespace celmora::cli
