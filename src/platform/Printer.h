// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// A print job: pages drawn on a Canvas. With no printer installed, and always in the
// command-line program, a job goes to a PDF file.

#include "platform/Canvas.h"

#include <memory>
#include <string>

namespace celmora::platform {

enum class PaperKind { A4, B5, Other };

class Printer {
public:
    virtual ~Printer() = default;

    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;
    virtual PaperKind paperKind() const = 0;
    // Paper size and printable area in device pixels.
    virtual Size pageSize() const = 0;
    virtual int printableHeight() const = 0;
    virtual int printableWidth() const = 0;

    // A job: begin, draw on canvas(), newPage() between pages, end. end() writes the
    // file or sends the job; it returns false when that failed.
    virtual bool beginJob(const std::string& title) = 0;
    virtual void newPage() = 0;
    virtual bool endJob() = 0;
    virtual bool printing() const = 0;
    virtual Canvas& canvas() = 0;
    virtual int pageNumber() const = 0;  // 1-based within the job
};

}  // namespace celmora::platform
