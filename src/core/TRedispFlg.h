// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Redisplay key of a lazily built page: the name, birth date and birth time for which
// the page was last filled. It starts empty, so the first visit always computes.

#include <string>

namespace celmora::core {

struct ChartRecord;

class TRedispFlg {
public:
    // False when the chart's three texts equal the stored ones; otherwise stores them
    // and returns true (the page then recomputes).
    bool changedSince(const ChartRecord& chart);

    const std::string& name() const { return name_; }
    const std::string& birthDateText() const { return birthDateText_; }
    const std::string& birthTimeText() const { return birthTimeText_; }

private:
    std::string name_;
    std::string birthDateText_;
    std::string birthTimeText_;
};

}  // namespace celmora::core
