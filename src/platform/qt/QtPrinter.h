// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The printer of the workstation. With a printer installed, jobs go to the system's
// default printer (or the one chosen in a print dialog through qprinter()); with
// none, and always when made by makePdfPrinter, every job is written to a PDF file.
// Measurements are read live from the printer, so a dialog's choice shows in the
// next dpiX()/paperKind() call.
//
// Outside a job canvas() still measures text at the printer's resolution (drawing
// there is discarded). canvas() returns the same object for the printer's whole
// life; its pen, brush and font carry over between jobs.

#include "platform/Printer.h"

#include <memory>
#include <string>

class QImage;
class QPainter;
class QPrinter;

namespace celmora::platform {

class QtCanvas;

class QtPrinter final : public Printer {
public:
    enum class Target { SystemPrinterOrPdf, Pdf };

    explicit QtPrinter(std::string pdfPath, Target target = Target::SystemPrinterOrPdf);
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    // True when jobs are written to pdfPath().
    bool toPdf() const;
    const std::string& pdfPath() const { return pdfPath_; }
    void setPdfPath(std::string path);
    void setPaper(PaperKind paper);
    // The underlying printer, for a print setup dialog.
    QPrinter& qprinter() { return *printer_; }

    int dpiX() const override;
    int dpiY() const override;
    PaperKind paperKind() const override;
    Size pageSize() const override;
    int printableHeight() const override;
    int printableWidth() const override;

    // False when a job is already running, no PDF path is set, or the output cannot
    // be opened.
    bool beginJob(const std::string& title) override;
    void newPage() override;
    bool endJob() override;
    bool printing() const override;
    Canvas& canvas() override;
    int pageNumber() const override;

private:
    void bindMeasuringCanvas();

    std::string pdfPath_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> jobPainter_;
    std::unique_ptr<QImage> measureImage_;
    std::unique_ptr<QPainter> measurePainter_;
    std::unique_ptr<QtCanvas> canvas_;
    int page_ = 0;
};

// The workstation's printer: the system's default printer when one is installed,
// otherwise A4 PDF files at `fallbackPdfPath`.
std::unique_ptr<QtPrinter> makeDefaultPrinter(const std::string& fallbackPdfPath);

// A printer that writes every job to `pdfPath` on the given paper at `dpi` dots per
// inch in both directions, with no margins. For the command-line program and tests.
std::unique_ptr<QtPrinter> makePdfPrinter(const std::string& pdfPath, PaperKind paper, int dpi = 600);

}  // namespace celmora::platform
