// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// A printer in memory: every page of a job is a display list, ready to be looked at
// in a test, replayed on a window (a preview) or written as SVG. No toolkit needed.

#include "platform/Printer.h"

#include <vector>

namespace celmora::platform {

class RecordingPrinter final : public Printer {
public:
    // Paper in device pixels at `dpi` (A4 at 300 dpi unless told otherwise); the whole
    // paper is printable.
    explicit RecordingPrinter(PaperKind paper = PaperKind::A4, int dpi = 300);

    int dpiX() const override { return dpi_; }
    int dpiY() const override { return dpi_; }
    PaperKind paperKind() const override { return paper_; }
    Size pageSize() const override { return size_; }
    int printableHeight() const override { return size_.height; }
    int printableWidth() const override { return size_.width; }

    bool beginJob(const std::string& title) override;
    void newPage() override;
    bool endJob() override;
    bool printing() const override { return printing_; }
    Canvas& canvas() override;
    int pageNumber() const override { return static_cast<int>(pages_.size()) + (printing_ ? 1 : 0); }

    // The pages of the last job, in order, once it ended.
    const std::vector<DisplayList>& pages() const { return pages_; }
    const std::string& jobTitle() const { return title_; }
    // The next endJob() reports failure (a printer that went away, a full disk).
    void failNextJob() { failNext_ = true; }

private:
    PaperKind paper_;
    int dpi_;
    Size size_;
    bool printing_ = false;
    bool failNext_ = false;
    std::string title_;
    RecordingCanvas current_;
    std::vector<DisplayList> pages_;
};

}  // namespace celmora::platform
