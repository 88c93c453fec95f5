// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "western/ASPDB1.h"

#include <algorithm>

#include "platform/Errors.h"
#include "platform/Messages.h"
#include "platform/Table.h"

namespace celmora::western {

int AspectTable::load(platform::Table& table)
{
    slots_.fill(AspectDefinition{});
    count_ = 0;
    int rows = 0;
    // One snapshot and one lock for the whole table, not one per row.
    const platform::ReadingPass pass(table);
    for (bool more = table.first(); more; more = table.next()) {
        ++rows;
        if (count_ == slotCount) continue;
        AspectDefinition& d = slots_[++count_];
        d.degree = table.integer(aspectfield::degree);
        d.orb = table.integer(aspectfield::orb);
        d.school = table.text(aspectfield::school);
        d.name = table.text(aspectfield::name);
        d.etc = table.text(aspectfield::etc);
        d.memo = table.text(aspectfield::memo);
    }
    return rows;
}

void AspectTable::assign(const std::vector<AspectDefinition>& rows)
{
    slots_.fill(AspectDefinition{});
    count_ = static_cast<int>(std::min<std::size_t>(rows.size(), slotCount));
    for (int i = 1; i <= count_; ++i) slots_[i] = rows[static_cast<std::size_t>(i - 1)];
}

std::string loadAspectTable(AspectTable& aspects, platform::TableEngine& engine, const std::string& folder,
                            platform::Messages& messages)
{
    try {
        const auto table = engine.open(folder, aspectTableName);
        const int rows = aspects.load(*table);
        if (rows > AspectTable::slotCount) {
            messages.information("アスペクト定義表 ASPECT.db には " + std::to_string(rows) +
                                 " 行ありますが、使えるのは最初の " + std::to_string(AspectTable::slotCount) +
                                 " 行までです。残りの行は無視します。");
        }
        return {};
    } catch (const platform::TableError& e) {
        aspects.assign({});
        return e.what();
    }
}

}  // namespace celmora::western
