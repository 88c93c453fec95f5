// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "western/ASPDB1.h"

#include <algorithm>

#include "platform/Errors.h"
#include "platform/Messages.h"
#include "platform/Table.h"

namespace celmora::western {

namespace {

constexpr int maxOrb = 30;

}  // namespace

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
        // A definition the aspect search cannot use is refused with its place, never
        // turned into a silent wrong aspect.
        const auto refuse = [&](std::string_view field, const std::string& why) {
            throw platform::TableError("アスペクト定義表 ASPECT.db の " + std::to_string(rows) + " 行目、フィールド「" +
                                       std::string(field) + "」: " + why);
        };
        if (d.degree < 0 || d.degree > 180) {
            refuse(aspectfield::degree, "角度 " + std::to_string(d.degree) + " は 0～180 の範囲外です。");
        }
        if (d.orb < 0 || d.orb > maxOrb) {
            refuse(aspectfield::orb, "許容度 " + std::to_string(d.orb) + " は 0～" + std::to_string(maxOrb) + " の範囲外です。");
        }
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
                            platform::Messages& messages, bool installed)
{
    try {
        const auto table = installed ? engine.openReadOnly(folder, aspectTableName) : engine.open(folder, aspectTableName);
        const int rows = aspects.load(*table);
        if (rows == 0) {
            aspects.assign({});
            return "アスペクト定義表 ASPECT.db に定義の行がひとつもありません。";
        }
        if (rows > AspectTable::slotCount) {
            messages.information("アスペクト定義表 ASPECT.db には " + std::to_string(rows) +
                                 " 行ありますが、使えるのは最初の " + std::to_string(AspectTable::slotCount) +
                                 " 行までです。残りの行は無視します。");
        }
        return {};
    } catch (const platform::CommandError& e) {
        // Missing, damaged, of another layout or holding a bad value: no definitions.
        aspects.assign({});
        return e.what();
    }
}

}  // namespace celmora::western
