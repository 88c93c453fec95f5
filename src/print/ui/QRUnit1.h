// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The reading-page report: any reading text under a common header, on as many A4
// pages as it needs.
//
//   in:  a name line and the body lines from the caller, the birth date and time of
//        the main ChartRecord, the footer text of the printer page module
//   out: pages on the given printer (a PDF file when it is a PDF printer), straight
//        away, without a preview
//
// Page layout, in the report's screen pixels (96 per inch) from the top left of the
// margins (10 mm, 8 mm at the bottom) of A4 portrait:
//   page header band (0, 0)-(718, 80): QRname (65, 13) "ＭＳ Ｐゴシック" 23 px,
//       QRbirth (66, 48) 20 px, QRPage (654, 13)
//   body band from y = 80: QRRichText1 at (26, 34) of the band, 683 x 901, "ＭＳ Ｐ明朝"
//       13 px; the text flows over pages, a line never splits between two
//   QRLogo at (31, 951) of the body band, on every page
// The printer draws at its own resolution; every report pixel is scaled to it.

#include <QString>
#include <string>
#include <vector>

class QPainter;
class QPrinter;

namespace celmora::core {
struct ChartRecord;
}

namespace celmora::print {

class TQRForm1 {
public:
    // `chart` is the main record (read when printing). Both must outlive the report.
    TQRForm1(QPrinter& printer, const core::ChartRecord& chart);

    // Fills QRname with `nameLine`, QRbirth from the chart, QRLogo with the footer
    // text and the body with `lines` (plain text, a line break after every line, the
    // last included), and prints. False when the printer could not be started (it is
    // busy with another job, or the file cannot be written).
    bool PrintReadingPage(const std::string& nameLine, const std::vector<std::string>& lines);

    // The report's fields as last set.
    const QString& QRname() const { return name_; }
    const QString& QRbirth() const { return birth_; }
    const QString& QRPage() const { return page_; }
    const QString& QRLogo() const { return logo_; }
    // 1 before and after every print; counts the pages while printing.
    int pageCounter() const { return counter_; }
    // QRPage as printed on each page of the last print, in order.
    const std::vector<QString>& printedPageLabels() const { return printed_; }

private:
    void setPageLabel();
    void drawBands(QPainter& painter, double scaleX, double scaleY) const;

    QPrinter& printer_;
    const core::ChartRecord& chart_;
    QString name_;
    QString birth_;
    QString page_;
    QString logo_;
    int counter_ = 1;
    std::vector<QString> printed_;
};

}  // namespace celmora::print
