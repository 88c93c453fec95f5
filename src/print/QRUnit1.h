// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The reading-page report: any reading text under a common header, on as many pages
// as it needs, drawn through the printer interface's canvas — the same path prints on
// paper, writes a PDF, records display lists for a preview or a test.
//
//   in:  a name line and the body lines from the caller, the birth date and time of
//        the main ChartRecord, the footer text of the printer page module
//   out: pages on the given printer, straight away, without a preview
//
// Page layout, in report pixels (96 per inch) from the top left of the margins
// (10 mm left, right and top) of A4 portrait:
//   page header band (0, 0)-(718, 80): QRname (65, 13) "ＭＳ Ｐゴシック" 23 px,
//       QRbirth (66, 48) 20 px, QRPage (654, 13) 13 px
//   body band from y = 80: QRRichText1 at (26, 34) of the band, 683 x 901, "ＭＳ Ｐ明朝"
//       13 px; lines wrap at the band's width and flow over pages, a line never
//       splits between two, and a line never begins with closing punctuation
//   QRLogo at (31, 951) of the body band, "ＭＳ ゴシック" 13 px, on every page
// The printer draws at its own resolution; every report pixel is scaled to it.

#include <string>
#include <vector>

namespace celmora::core {
struct ChartRecord;
}
namespace celmora::platform {
class Canvas;
class Printer;
}  // namespace celmora::platform

namespace celmora::print {

class TQRForm1 {
public:
    // `chart` is the main record (read when printing). Both must outlive the report.
    TQRForm1(platform::Printer& printer, const core::ChartRecord& chart);

    // Fills QRname with `nameLine`, QRbirth from the chart, QRLogo with the footer
    // text and the body with `lines` (each its own paragraph), and prints. False when
    // the printer could not start the job (busy with another) or could not finish it
    // (the file cannot be written); the page counter is then back at 1.
    bool PrintReadingPage(const std::string& nameLine, const std::vector<std::string>& lines);

    // The report's fields as last set.
    const std::string& QRname() const { return name_; }
    const std::string& QRbirth() const { return birth_; }
    const std::string& QRPage() const { return page_; }
    const std::string& QRLogo() const { return logo_; }
    // 1 before and after every print; counts the pages while printing.
    int pageCounter() const { return counter_; }
    // QRPage as printed on each page of the last print, in order.
    const std::vector<std::string>& printedPageLabels() const { return printed_; }

    // The body broken into the lines of the body band, as drawn on `canvas` (its
    // resolution decides the band's width in dots).
    static std::vector<std::string> wrapBody(platform::Canvas& canvas, const std::vector<std::string>& lines);

private:
    void setPageLabel();

    platform::Printer& printer_;
    const core::ChartRecord& chart_;
    std::string name_;
    std::string birth_;
    std::string page_;
    std::string logo_;
    int counter_ = 1;
    std::vector<std::string> printed_;
};

}  // namespace celmora::print
