// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "print/ui/QRUnit1.h"

#include <QAbstractTextDocumentLayout>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <string_view>

#include "core/ChartRecord.h"
#include "platform/qt/FontMap.h"
#include "print/prn_com.h"

namespace celmora::print {

namespace {

// Report coordinates are screen pixels at this resolution.
constexpr double reportDpi = 96.0;
constexpr double pointsPerInch = 72.0;

// A4 portrait; the bottom margin is the smaller one.
const QMarginsF reportMarginsMm{10, 10, 10, 8};

constexpr double headerBandHeight = 80;
constexpr QPointF namePosition{65, 13};
constexpr double namePixels = 23;
constexpr QPointF birthPosition{66, 48};
constexpr double birthPixels = 20;
constexpr QPointF pagePosition{654, 13};
constexpr double pagePixels = 13;
// Within the body band.
constexpr QRectF bodyArea{26, 34, 683, 901};
constexpr double bodyPixels = 13;
constexpr QPointF logoPosition{31, 951};
constexpr double logoPixels = 13;  // 10 point

constexpr std::string_view gothic = "ＭＳ ゴシック";
constexpr std::string_view proportionalGothic = "ＭＳ Ｐゴシック";
constexpr std::string_view proportionalMincho = "ＭＳ Ｐ明朝";

// A font whose size is given in report pixels; as a point size it comes out right on
// any device the painter or the text layout measures with.
QFont reportFont(std::string_view family, double pixels)
{
    QFont font(platform::installedFamily(family));
    font.setPointSizeF(pixels * pointsPerInch / reportDpi);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

void drawLabel(QPainter& painter, QPointF at, double scaleX, double scaleY, const QFont& font, const QString& text)
{
    painter.setFont(font);
    const QPointF topLeft(at.x() * scaleX, at.y() * scaleY);
    const QRectF box(topLeft, QSizeF(painter.device()->width() - topLeft.x(), painter.fontMetrics().height() * 2.0));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

// Restores the printer's page layout, which other prints measure, however we leave.
class PageLayoutGuard {
public:
    explicit PageLayoutGuard(QPrinter& printer) : printer_(printer), saved_(printer.pageLayout()) {}
    ~PageLayoutGuard() { printer_.setPageLayout(saved_); }
    PageLayoutGuard(const PageLayoutGuard&) = delete;
    PageLayoutGuard& operator=(const PageLayoutGuard&) = delete;

private:
    QPrinter& printer_;
    QPageLayout saved_;
};

// Pages up to the one holding the last line with text: empty lines at the end of the
// body (every body ends with a line break) never start a blank page of their own.
int pagesWithText(const QTextDocument& document, double pageHeight)
{
    const int laidOut = document.pageCount();  // lays the whole document out
    for (QTextBlock block = document.lastBlock(); block.isValid(); block = block.previous()) {
        if (block.text().trimmed().isEmpty() || block.layout() == nullptr || block.layout()->lineCount() == 0) continue;
        const QTextLine line = block.layout()->lineAt(block.layout()->lineCount() - 1);
        const double top = document.documentLayout()->blockBoundingRect(block).top() + line.y();
        return std::clamp(static_cast<int>(top / pageHeight) + 1, 1, laidOut);
    }
    return 1;
}

}  // namespace

TQRForm1::TQRForm1(QPrinter& printer, const core::ChartRecord& chart) : printer_(printer), chart_(chart)
{
    setPageLabel();
}

void TQRForm1::setPageLabel()
{
    page_ = QStringLiteral("Page ") + QString::number(counter_);
}

void TQRForm1::drawBands(QPainter& painter, double scaleX, double scaleY) const
{
    painter.setPen(Qt::black);
    drawLabel(painter, namePosition, scaleX, scaleY, reportFont(proportionalGothic, namePixels), name_);
    drawLabel(painter, birthPosition, scaleX, scaleY, reportFont(proportionalGothic, birthPixels), birth_);
    drawLabel(painter, pagePosition, scaleX, scaleY, reportFont(proportionalGothic, pagePixels), page_);
    drawLabel(painter, logoPosition + QPointF(0, headerBandHeight), scaleX, scaleY, reportFont(gothic, logoPixels),
              logo_);
}

bool TQRForm1::PrintReadingPage(const std::string& nameLine, const std::vector<std::string>& lines)
{
    name_ = q(nameLine);
    birth_ = q(chart_.birthDateText + "  " + chart_.birthTimeLabel + "生れ");
    logo_ = q(PrinterPageModule::footerText());
    QString body;
    for (const std::string& line : lines) body += q(line) + QLatin1Char('\n');
    printed_.clear();

    if (printer_.printerState() == QPrinter::Active) return false;
    PageLayoutGuard layoutGuard(printer_);
    printer_.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, reportMarginsMm, QPageLayout::Millimeter));

    QPainter painter;
    if (!painter.begin(&printer_)) return false;
    const double scaleX = printer_.logicalDpiX() / reportDpi;
    const double scaleY = printer_.logicalDpiY() / reportDpi;

    // The body is laid out at the printer's resolution, in pages of the body area, so
    // the layout moves a line that would cross a page end to the next page.
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&printer_);
    document.setDocumentMargin(0);
    document.setDefaultFont(reportFont(proportionalMincho, bodyPixels));
    QTextOption option = document.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);  // Japanese has no spaces
    document.setDefaultTextOption(option);
    const QSizeF bodySize(bodyArea.width() * scaleX, bodyArea.height() * scaleY);
    document.setPageSize(bodySize);
    document.setPlainText(body);

    setPageLabel();
    const int pages = pagesWithText(document, bodySize.height());
    for (int p = 0; p < pages; ++p) {
        if (p > 0) printer_.newPage();
        drawBands(painter, scaleX, scaleY);
        painter.save();
        painter.translate(bodyArea.left() * scaleX,
                          (headerBandHeight + bodyArea.top()) * scaleY - p * bodySize.height());
        // The layout puts the first line of the next page exactly on this page's end;
        // a clip that stops one dot short keeps that line out of this page's file text.
        const QRectF page(QPointF(0, p * bodySize.height()), bodySize - QSizeF(0, 1));
        document.drawContents(&painter, page);
        painter.restore();
        printed_.push_back(page_);
        // End of the page: the counter moves on for the next one.
        ++counter_;
        setPageLabel();
    }
    const bool ended = painter.end();
    counter_ = 1;
    setPageLabel();
    return ended && printer_.printerState() != QPrinter::Error;
}

}  // namespace celmora::print
