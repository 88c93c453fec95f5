// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Natal aspects: which pairs of the 13 chart points stand in an aspect of the
// definitions table, and whether it is soft or hard.
//
//   in:  the wheel frame's `separation` (whole degrees 0..180 per pair), AspectTable
//   out: the frame's `aspectAngle`, the AspectMatrix flags, and the chart's
//        softAspectCount / hardAspectCount
//
// The wheel's aspect lines, classification, the reading texts and printing read the
// result; the chart-detail page's grid shows it.

#include "platform/Canvas.h"
#include "platform/Checked.h"

#include <string>
#include <vector>

namespace celmora::core {
struct ChartRecord;
}
namespace celmora::graphics {
struct BodyPair;
struct WheelFrame;
}  // namespace celmora::graphics

namespace celmora::western {

class AspectTable;

enum class AspectClass { Soft, Hard };

// "SOFT" for exactly that text; any other text, "soft" and "" included, is hard.
AspectClass aspectClassOf(std::string_view school);
std::string_view aspectClassText(AspectClass c);

struct AspectMatch {
    bool found = false;
    int angle = 0;  // 度数 of the matching row
    AspectClass aspectClass = AspectClass::Hard;
};

// `findAspect`: the first of rows 1..count() whose 度数 − 許容度 ≤ separation ≤ 度数 + 許容度.
AspectMatch findAspect(const AspectTable& table, int separation);

// `aspectMemo`: the メモ of the first of the 50 slots whose 度数 equals `angle`; "" when none.
std::string aspectMemo(const AspectTable& table, int angle);

// The per-pair flags of the natal chart, for points i < j (1..13).
struct AspectMatrix {
    platform::Array2<bool, 1, 13, 1, 13> hasAspect;
    platform::Array2<bool, 1, 13, 1, 13> isHard;
    // True once buildAspectTable has run for the current chart.
    bool built = false;
};

// `buildAspectTable`: visits the pairs j = 1..12, k = j + 1..13, skipping ASC–MC
// (12, 13) entirely; for each the flags are cleared and findAspect decides. A match
// sets aspectAngle, hasAspect and (for hard) isHard and adds one to the chart's soft or
// hard counter; no match sets aspectAngle to −1. The counters are added to, not reset:
// the Diagnose run's reset zeroes them before.
void buildAspectTable(core::ChartRecord& chart, graphics::WheelFrame& frame, const AspectTable& table,
                      AspectMatrix& matrix);

// How the chart-detail page's aspect grid shows the pair (j, k), j < k: before the
// first build and for ASC–MC "-" on silver; otherwise the separation in decimal,
// white on fuchsia for a hard aspect, black on white for a soft one, black on silver
// for no aspect.
struct AspectCell {
    std::string text = "-";
    platform::Colour background = platform::colours::silver;
    platform::Colour textColour = platform::colours::black;
    bool operator==(const AspectCell&) const = default;
};
AspectCell aspectCell(const graphics::WheelFrame& frame, const AspectMatrix& matrix, int j, int k);

// The pairs the wheel's "ハード２星アスペクト" / "ソフト２星アスペクト" draw: every pair
// i < j with an aspect of that class, in visiting order.
std::vector<graphics::BodyPair> twoBodyAspectPairs(const AspectMatrix& matrix, AspectClass aspectClass);

}  // namespace celmora::western
