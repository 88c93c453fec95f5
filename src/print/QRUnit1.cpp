// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "print/QRUnit1.h"

#include "core/ChartRecord.h"
#include "platform/Canvas.h"
#include "platform/Printer.h"
#include "platform/Utf8.h"
#include "print/prn_com.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace celmora::print {

namespace {

// Report coordinates are screen pixels at this resolution.
constexpr double reportDpi = 96.0;
constexpr double marginMm = 10.0;
constexpr double headerBandHeight = 80;
struct ReportPoint {
    double x, y;
};
constexpr ReportPoint namePosition{65, 13};
constexpr int namePixels = 23;
constexpr ReportPoint birthPosition{66, 48};
constexpr int birthPixels = 20;
constexpr ReportPoint pagePosition{654, 13};
constexpr int pagePixels = 13;
// Within the body band.
constexpr ReportPoint bodyOrigin{26, 34};
constexpr double bodyWidth = 683;
constexpr double bodyHeight = 901;
constexpr int bodyPixels = 13;
// The distance of two body lines, in ems of the body font: the ascent plus descent of
// the Japanese fonts the names map to.
constexpr double bodyLineSpacing = 1.45;
constexpr ReportPoint logoPosition{31, 951};
constexpr int logoPixels = 13;  // 10 point

constexpr const char* gothic = "ＭＳ ゴシック";
constexpr const char* proportionalGothic = "ＭＳ Ｐゴシック";
constexpr const char* proportionalMincho = "ＭＳ Ｐ明朝";

// Characters that never begin a line: they hang at the end of the line before.
constexpr std::string_view noLineStart[] = {"、", "。", "，", "．", "・", "：", "；", "？", "！", "）", "」", "』",
                                            "】", "〉", "》", "ー", "ゝ", "ゞ", "々", "ぁ", "ぃ", "ぅ", "ぇ", "ぉ",
                                            "っ", "ゃ", "ゅ", "ょ", "ァ", "ィ", "ゥ", "ェ", "ォ", "ッ", "ャ", "ュ",
                                            "ョ", ",", ".", ")", "]", "!", "?", ":", ";"};

bool mayNotStartLine(std::string_view character)
{
    return std::find(std::begin(noLineStart), std::end(noLineStart), character) != std::end(noLineStart);
}

int scaled(double reportPixels, int dpi)
{
    return static_cast<int>(std::lround(reportPixels * dpi / reportDpi));
}

platform::Font reportFont(const char* family, int reportPixels, int dpi)
{
    platform::Font font;
    font.family = family;
    font.size = std::max(1, scaled(reportPixels, dpi));
    font.pixelSize = true;
    return font;
}

// One paragraph broken at the width: as many characters as fit, then the characters
// that may not begin the next line.
void wrapParagraph(platform::Canvas& canvas, const std::string& paragraph, int width, std::vector<std::string>& out)
{
    std::vector<std::string_view> chars;
    for (std::size_t i = 0; i < paragraph.size();) {
        const std::size_t start = i;
        platform::utf8::next(paragraph, i);
        chars.push_back(std::string_view(paragraph).substr(start, i - start));
    }
    if (chars.empty()) {
        out.emplace_back();
        return;
    }
    std::string line;
    for (std::string_view c : chars) {
        std::string candidate = line;
        candidate.append(c);
        if (!line.empty() && canvas.textExtent(candidate).width > width && !mayNotStartLine(c)) {
            out.push_back(std::move(line));
            line.assign(c);
        } else {
            line = std::move(candidate);
        }
    }
    out.push_back(std::move(line));
}

}  // namespace

TQRForm1::TQRForm1(platform::Printer& printer, const core::ChartRecord& chart) : printer_(printer), chart_(chart)
{
    setPageLabel();
}

void TQRForm1::setPageLabel()
{
    page_ = "Page " + std::to_string(counter_);
}

std::vector<std::string> TQRForm1::wrapBody(platform::Canvas& canvas, const std::vector<std::string>& lines)
{
    canvas.setFont(reportFont(proportionalMincho, bodyPixels, canvas.dpiY()));
    const int width = scaled(bodyWidth, canvas.dpiX());
    std::vector<std::string> wrapped;
    for (const std::string& paragraph : lines) wrapParagraph(canvas, paragraph, width, wrapped);
    return wrapped;
}

bool TQRForm1::PrintReadingPage(const std::string& nameLine, const std::vector<std::string>& lines)
{
    name_ = nameLine;
    birth_ = chart_.birthDateText + "  " + chart_.birthTimeLabel + "生れ";
    logo_ = PrinterPageModule::footerText();
    printed_.clear();
    counter_ = 1;
    setPageLabel();
    if (printer_.printing() || !printer_.beginJob(name_)) return false;

    platform::Canvas& canvas = printer_.canvas();
    const int dx = canvas.dpiX();
    const int dy = canvas.dpiY();
    // The margins are measured from the paper's edge; a printer's own unprintable
    // border is part of them.
    const platform::Size paper = printer_.pageSize();
    const int marginX = std::max(0, static_cast<int>(std::lround(marginMm / 25.4 * dx)) -
                                        (paper.width - printer_.printableWidth()) / 2);
    const int marginY = std::max(0, static_cast<int>(std::lround(marginMm / 25.4 * dy)) -
                                        (paper.height - printer_.printableHeight()) / 2);
    auto at = [&](ReportPoint p, double bandTop) {
        return platform::Point{marginX + scaled(p.x, dx), marginY + scaled(bandTop + p.y, dy)};
    };

    const std::vector<std::string> body = wrapBody(canvas, lines);
    const platform::Font bodyFont = reportFont(proportionalMincho, bodyPixels, dy);
    const int lineHeight = std::max(1, static_cast<int>(std::lround(platform::emPixels(bodyFont, dy) * bodyLineSpacing)));
    const int linesPerPage = std::max(1, scaled(bodyHeight, dy) / lineHeight);
    // Pages up to the one holding the last line with text: empty lines at the end of
    // the body never start a blank page of their own.
    std::size_t lastText = 0;
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i].find_first_not_of(" \t\xE3\x80\x80") != std::string::npos) lastText = i + 1;
    }
    const int pages = std::max<int>(1, static_cast<int>((lastText + linesPerPage - 1) / linesPerPage));

    for (int p = 0; p < pages; ++p) {
        if (p > 0) printer_.newPage();
        canvas.setPen({});
        canvas.setFont(reportFont(proportionalGothic, namePixels, dy));
        canvas.text(at(namePosition, 0), name_);
        canvas.setFont(reportFont(proportionalGothic, birthPixels, dy));
        canvas.text(at(birthPosition, 0), birth_);
        canvas.setFont(reportFont(proportionalGothic, pagePixels, dy));
        canvas.text(at(pagePosition, 0), page_);
        canvas.setFont(reportFont(gothic, logoPixels, dy));
        canvas.text(at(logoPosition, headerBandHeight), logo_);

        canvas.setFont(bodyFont);
        const platform::Point top = at(bodyOrigin, headerBandHeight);
        const std::size_t first = static_cast<std::size_t>(p) * static_cast<std::size_t>(linesPerPage);
        const std::size_t last = std::min(lastText, first + static_cast<std::size_t>(linesPerPage));
        for (std::size_t i = first; i < last; ++i) {
            if (body[i].empty()) continue;
            canvas.text({top.x, top.y + static_cast<int>(i - first) * lineHeight}, body[i]);
        }
        printed_.push_back(page_);
        // End of the page: the counter moves on for the next one.
        ++counter_;
        setPageLabel();
    }
    const bool ended = printer_.endJob();
    counter_ = 1;
    setPageLabel();
    if (!ended) printed_.clear();
    return ended;
}

}  // namespace celmora::print
