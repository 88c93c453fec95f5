// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "platform/qt/QtPrinter.h"

#include "platform/qt/QtCanvas.h"

#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>
#include <utility>

namespace celmora::platform {

namespace {

constexpr double inchesPerMetre = 39.37007874015748;

std::unique_ptr<QPrinter> makeQPrinter(QtPrinter::Target target)
{
    if (target == QtPrinter::Target::SystemPrinterOrPdf && !QPrinterInfo::availablePrinters().isEmpty()) {
        QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) info = QPrinterInfo::availablePrinters().constFirst();
        return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    }
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setPageSize(QPageSize(QPageSize::A4));
    // Paper has no unprintable border in a file: the printable area is the page.
    printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    return printer;
}

QPageSize::PageSizeId pageSizeId(PaperKind paper)
{
    return paper == PaperKind::B5 ? QPageSize::JisB5 : QPageSize::A4;
}

}  // namespace

QtPrinter::QtPrinter(std::string pdfPath, Target target)
    : pdfPath_(std::move(pdfPath)), printer_(makeQPrinter(target))
{
    printer_->setCreator(QStringLiteral("Celmora Pro"));
    if (toPdf()) printer_->setOutputFileName(QString::fromStdString(pdfPath_));
}

QtPrinter::~QtPrinter()
{
    if (printing()) endJob();
    canvas_.reset();
    if (measurePainter_) measurePainter_->end();
}

bool QtPrinter::toPdf() const { return printer_->outputFormat() == QPrinter::PdfFormat; }

void QtPrinter::setPdfPath(std::string path)
{
    pdfPath_ = std::move(path);
    if (toPdf() && !printing()) printer_->setOutputFileName(QString::fromStdString(pdfPath_));
}

void QtPrinter::setPaper(PaperKind paper)
{
    if (paper == PaperKind::Other || printing()) return;
    printer_->setPageSize(QPageSize(pageSizeId(paper)));
    if (toPdf()) printer_->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

int QtPrinter::dpiX() const { return printer_->logicalDpiX(); }
int QtPrinter::dpiY() const { return printer_->logicalDpiY(); }

PaperKind QtPrinter::paperKind() const
{
    switch (printer_->pageLayout().pageSize().id()) {
    case QPageSize::A4:
        return PaperKind::A4;
    // Paper sold as B5 in Japan is the JIS size; the ISO one is accepted as well.
    case QPageSize::JisB5:
    case QPageSize::B5:
        return PaperKind::B5;
    default:
        return PaperKind::Other;
    }
}

Size QtPrinter::pageSize() const
{
    const QRect full = printer_->pageLayout().fullRectPixels(printer_->resolution());
    return {full.width(), full.height()};
}

int QtPrinter::printableHeight() const
{
    return static_cast<int>(std::lround(printer_->pageRect(QPrinter::DevicePixel).height()));
}

int QtPrinter::printableWidth() const
{
    return static_cast<int>(std::lround(printer_->pageRect(QPrinter::DevicePixel).width()));
}

bool QtPrinter::beginJob(const std::string& title)
{
    if (printing()) return false;
    if (toPdf()) {
        if (pdfPath_.empty()) return false;
        printer_->setOutputFileName(QString::fromStdString(pdfPath_));
    }
    printer_->setDocName(QString::fromStdString(title));
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(printer_.get())) return false;
    jobPainter_ = std::move(painter);
    const Size area{printableWidth(), printableHeight()};
    if (canvas_)
        canvas_->bind(*jobPainter_, area, dpiX(), dpiY());
    else
        canvas_ = std::make_unique<QtCanvas>(*jobPainter_, area, dpiX(), dpiY());
    page_ = 1;
    return true;
}

void QtPrinter::newPage()
{
    if (!printing()) return;
    if (printer_->newPage()) ++page_;
}

bool QtPrinter::endJob()
{
    if (!printing()) return false;
    const bool ended = jobPainter_->end();
    jobPainter_.reset();
    bindMeasuringCanvas();
    return ended && printer_->printerState() != QPrinter::Error;
}

bool QtPrinter::printing() const { return jobPainter_ && jobPainter_->isActive(); }

Canvas& QtPrinter::canvas()
{
    if (!printing()) bindMeasuringCanvas();
    return *canvas_;
}

int QtPrinter::pageNumber() const { return page_; }

void QtPrinter::bindMeasuringCanvas()
{
    const int x = dpiX(), y = dpiY();
    const int dpmX = static_cast<int>(std::lround(x * inchesPerMetre));
    const int dpmY = static_cast<int>(std::lround(y * inchesPerMetre));
    if (!measureImage_) {
        measureImage_ = std::make_unique<QImage>(1, 1, QImage::Format_RGB32);
        measurePainter_ = std::make_unique<QPainter>();
    }
    if (!measurePainter_->isActive() || measureImage_->dotsPerMeterX() != dpmX
        || measureImage_->dotsPerMeterY() != dpmY) {
        if (measurePainter_->isActive()) measurePainter_->end();
        measureImage_->setDotsPerMeterX(dpmX);
        measureImage_->setDotsPerMeterY(dpmY);
        measurePainter_->begin(measureImage_.get());
    }
    const Size area{printableWidth(), printableHeight()};
    if (canvas_)
        canvas_->bind(*measurePainter_, area, x, y);
    else
        canvas_ = std::make_unique<QtCanvas>(*measurePainter_, area, x, y);
}

std::unique_ptr<QtPrinter> makeDefaultPrinter(const std::string& fallbackPdfPath)
{
    return std::make_unique<QtPrinter>(fallbackPdfPath, QtPrinter::Target::SystemPrinterOrPdf);
}

std::unique_ptr<QtPrinter> makePdfPrinter(const std::string& pdfPath, PaperKind paper, int dpi)
{
    auto printer = std::make_unique<QtPrinter>(pdfPath, QtPrinter::Target::Pdf);
    printer->qprinter().setResolution(dpi);
    printer->setPaper(paper == PaperKind::Other ? PaperKind::A4 : paper);
    return printer;
}

}  // namespace celmora::platform
