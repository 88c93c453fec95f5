// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// celmora-cli wheel: the Diagnose run on birth data, then the natal wheel drawn as the
// "出生図" window draws it, into a PNG, SVG or PDF file. Display options apply the
// window's menu commands in a fixed order: angle bands, aspect lines, body texts on
// the raster, then fixed stars, Arabic parts and lunar mansions over it.
// Prints the status, the messages shown, the five Arabic parts (mark, chart angle and
// the hint text) and the wheel's frame as JSON. Runs in the drawing module; the help
// text is the executable's (DrawingCommands.cpp).

#include <optional>
#include <ostream>

#include "app/Workstation.h"
#include "cli/ChartJson.h"
#include "cli/CliCommand.h"
#include "cli/CliSession.h"
#include "cli/CommandReport.h"
#include "cli/GuiApplication.h"
#include "cli/JsonWriter.h"
#include "cli/RenderModule.h"
#include "core/BirthInput.h"
#include "core/ChartRecord.h"
#include "core/DiagnosisRun.h"
#include "graphics/NatalWheel.h"
#include "platform/qt/FileOutput.h"
#include "western/AspectUnit1.h"

namespace celmora::cli {

namespace {

constexpr int defaultSide = 800;  // as the help text says

enum class Format { Png, Svg, Pdf };

struct WheelOptions {
    std::string out;
    Format format = Format::Png;
    int side = defaultSide;
    graphics::SignStyle style = graphics::SignStyle::Picture;
    bool stars = false, arabic = false, mansions = false, bands = false, text = false;
    bool hardAspects = false, softAspects = false;
};

bool endsWith(const std::string& s, const std::string& tail)
{
    if (s.size() < tail.size()) return false;
    for (std::size_t i = 0; i < tail.size(); ++i) {
        const char c = s[s.size() - tail.size() + i];
        if ((c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c) != tail[i]) return false;
    }
    return true;
}

// Takes the wheel's own options out of `args`; what is left are the birth options.
WheelOptions takeWheelOptions(std::vector<std::string>& args)
{
    WheelOptions o;
    std::vector<std::string> rest;
    auto valueOf = [&](std::size_t& i) -> const std::string& {
        if (i + 1 >= args.size()) throw UsageError{"オプション " + args[i] + " に値がありません。"};
        return args[++i];
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--out") {
            o.out = valueOf(i);
        } else if (a == "--size") {
            const std::string& v = valueOf(i);
            try {
                std::size_t used = 0;
                o.side = std::stoi(v, &used);
                if (used != v.size()) throw std::invalid_argument(v);
            } catch (const std::exception&) {
                throw UsageError{"--size には整数を指定してください: " + v};
            }
            if (o.side < graphics::WheelGeometry::minimumSide) {
                throw UsageError{"--size は " + std::to_string(graphics::WheelGeometry::minimumSide) +
                                 " 以上を指定してください（それより小さいと出生図の輪が重なります）。"};
            }
        } else if (a == "--style") {
            const std::string& v = valueOf(i);
            if (v == "picture")
                o.style = graphics::SignStyle::Picture;
            else if (v == "symbol")
                o.style = graphics::SignStyle::Symbol;
            else
                throw UsageError{"--style は picture か symbol です: " + v};
        } else if (a == "--aspects") {
            const std::string& v = valueOf(i);
            if (v == "hard")
                o.hardAspects = true;
            else if (v == "soft")
                o.softAspects = true;
            else if (v == "hard,soft" || v == "soft,hard")
                o.hardAspects = o.softAspects = true;
            else
                throw UsageError{"--aspects は hard、soft または hard,soft です: " + v};
        } else if (a == "--stars") {
            o.stars = true;
        } else if (a == "--arabic") {
            o.arabic = true;
        } else if (a == "--mansions") {
            o.mansions = true;
        } else if (a == "--bands") {
            o.bands = true;
        } else if (a == "--text") {
            o.text = true;
        } else {
            rest.push_back(a);
        }
    }
    if (o.out.empty()) throw UsageError{"--out で書き出すファイルを指定してください。"};
    if (endsWith(o.out, ".png"))
        o.format = Format::Png;
    else if (endsWith(o.out, ".svg"))
        o.format = Format::Svg;
    else if (endsWith(o.out, ".pdf"))
        o.format = Format::Pdf;
    else
        throw UsageError{"--out の拡張子は .png、.svg、.pdf のいずれかです: " + o.out};
    args = std::move(rest);
    return o;
}

void applyDisplayOptions(graphics::NatalWheel& wheel, app::Workstation& ws, const WheelOptions& o)
{
    const core::ChartRecord& chart = ws.chart();
    const graphics::WheelFrame& frame = ws.graphics().wheelFrame();
    if (o.bands) wheel.drawAngleBands(frame);
    if (o.hardAspects) {
        wheel.drawAspectLines(chart, frame, western::twoBodyAspectPairs(ws.western().aspectMatrix(), western::AspectClass::Hard));
    }
    if (o.softAspects) {
        wheel.drawAspectLines(chart, frame, western::twoBodyAspectPairs(ws.western().aspectMatrix(), western::AspectClass::Soft));
    }
    if (o.text) wheel.showBodyTexts(chart);
    if (o.stars) wheel.showFixedStars(chart, frame);
    if (o.arabic) wheel.showArabicParts();
    if (o.mansions) wheel.showMansions(chart, frame);
}

bool writeWheel(const graphics::NatalWheel& wheel, const WheelOptions& o)
{
    const platform::Size size{o.side, o.side};
    const auto draw = [&wheel](platform::Canvas& canvas) { wheel.paint(canvas); };
    switch (o.format) {
        case Format::Png:
            return platform::drawToPng(size, draw, o.out);
        case Format::Pdf:
            return platform::drawToPdf(size, draw, o.out);
        case Format::Svg: {
            platform::RecordingCanvas canvas(size);
            wheel.paint(canvas);
            return platform::writeSvg(canvas.displayList(), o.out);
        }
    }
    return false;
}

}  // namespace

int runWheel(CliSession& session, const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> birthArgs = args;
    const WheelOptions options = takeWheelOptions(birthArgs);
    const core::BirthInput input = parseBirthInput(birthArgs);
    app::Workstation workstation(session.services());
    workstation.records().setPersonWriteBack(false);
    workstation.graphics().signStyle() = options.style;

    CommandReport report(session, "wheel");
    nlohmann::ordered_json arabic = nlohmann::ordered_json::array();
    report.guard([&] {
        if (!workstation.run().run(input)) report.refuse();
        if (report.completed()) {
            // Drawing needs the toolkit's font system.
            const auto app = makeGuiApplication();
            graphics::NatalWheel wheel(session.services().dirs, session.messages());
            wheel.setSignStyle(options.style);
            wheel.setSide(options.side);
            const core::ChartRecord& chart = workstation.chart();
            wheel.redraw(chart, workstation.graphics().wheelFrame(), graphics::sectorOfSign(chart, 1) != 0);
            applyDisplayOptions(wheel, workstation, options);
            for (int k = 1; k <= 5; ++k) {
                const graphics::TArabicObj& part = wheel.arabicParts()[k];
                arabic.push_back({{"mark", part.mark}, {"angle", part.angle}, {"text", part.fullText}});
            }
            if (!writeWheel(wheel, options)) report.fail("ファイル「" + options.out + "」に書き出せませんでした。");
        }
    });
    report.addOutcome();
    if (report.completed()) {
        report.json["out"] = options.out;
        report.json["size"] = options.side;
        report.json["arabicParts"] = std::move(arabic);
    }
    report.write("wheel", [&](JsonWriter& w) {
        writeWheel(w, workstation.graphics().wheelFrame(), workstation.western().aspectMatrix());
    });
    return report.print(out, err);
}

}  // namespace celmora::cli
