// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "western/AspectUnit1.h"

#include "core/ChartPoints.h"
#include "core/ChartRecord.h"
#include "graphics/WheelFrame.h"
#include "western/ASPDB1.h"

namespace celmora::western {

AspectClass aspectClassOf(std::string_view school)
{
    return school == "SOFT" ? AspectClass::Soft : AspectClass::Hard;
}

std::string_view aspectClassText(AspectClass c)
{
    return c == AspectClass::Soft ? "SOFT" : "HARD";
}

AspectMatch findAspect(const AspectTable& table, int separation)
{
    for (int i = 1; i <= table.count(); ++i) {
        const AspectDefinition& d = table.slot(i);
        if (d.degree - d.orb <= separation && separation <= d.degree + d.orb) {
            return {true, d.degree, aspectClassOf(d.school)};
        }
    }
    return {};
}

std::string aspectMemo(const AspectTable& table, int angle)
{
    // Every load clears the slots beyond its rows, so scanning the loaded rows finds
    // what a scan of all 50 slots would.
    for (int i = 1; i <= table.count(); ++i) {
        if (table.slot(i).degree == angle) return table.slot(i).memo;
    }
    return {};
}

void buildAspectTable(core::ChartRecord& chart, graphics::WheelFrame& frame, const AspectTable& table,
                      AspectMatrix& matrix)
{
    namespace pt = core::point;
    for (int j = 1; j <= 12; ++j) {
        for (int k = j + 1; k <= 13; ++k) {
            if (j == pt::Asc && k == pt::Mc) continue;
            matrix.hasAspect[j][k] = false;
            matrix.isHard[j][k] = false;
            const AspectMatch m = findAspect(table, frame.separation[j][k]);
            if (!m.found) {
                frame.aspectAngle[j][k] = -1;
                continue;
            }
            frame.aspectAngle[j][k] = m.angle;
            matrix.hasAspect[j][k] = true;
            if (m.aspectClass == AspectClass::Soft) {
                chart.softAspectCount = platform::checkedAdd(chart.softAspectCount, 1);
            } else {
                matrix.isHard[j][k] = true;
                chart.hardAspectCount = platform::checkedAdd(chart.hardAspectCount, 1);
            }
        }
    }
    matrix.built = true;
}

AspectCell aspectCell(const graphics::WheelFrame& frame, const AspectMatrix& matrix, int j, int k)
{
    AspectCell cell;
    if (!matrix.built || (j == core::point::Asc && k == core::point::Mc)) return cell;
    cell.text = std::to_string(frame.separation[j][k]);
    if (matrix.hasAspect[j][k]) {
        cell.background = matrix.isHard[j][k] ? platform::colours::fuchsia : platform::colours::white;
        cell.textColour = matrix.isHard[j][k] ? platform::colours::white : platform::colours::black;
    }
    return cell;
}

std::vector<graphics::BodyPair> twoBodyAspectPairs(const AspectMatrix& matrix, AspectClass aspectClass)
{
    std::vector<graphics::BodyPair> pairs;
    const bool wantHard = aspectClass == AspectClass::Hard;
    for (int i = 1; i <= 12; ++i) {
        for (int j = i + 1; j <= 13; ++j) {
            if (matrix.hasAspect[i][j] && matrix.isHard[i][j] == wantHard) pairs.push_back({i, j});
        }
    }
    return pairs;
}

}  // namespace celmora::western
