// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The aspect definitions: the user-editable table "ASPECT.db" in "bunsyodb", held in
// memory as AspectTable. Loaded at start-up and again when the settings window is
// closed with "閉じる"; the Diagnose run matches separations against it.
//
// Table order matters: the first definition whose orb holds a separation wins.

#include "platform/Checked.h"

#include <string>
#include <vector>

namespace celmora::platform {
class Messages;
class Table;
class TableEngine;
}  // namespace celmora::platform

namespace celmora::western {

// Field names of "ASPECT.db".
namespace aspectfield {
inline constexpr const char* name = "名称";
inline constexpr const char* school = "Tessaro流";
inline constexpr const char* degree = "度数";
inline constexpr const char* orb = "許容度";
inline constexpr const char* etc = "ETC";
inline constexpr const char* memo = "メモ";
}  // namespace aspectfield

inline constexpr const char* aspectTableName = "ASPECT";

// One row of "ASPECT.db".
struct AspectDefinition {
    std::string name;    // 名称: shown in the settings grid only
    std::string school;  // Tessaro流: "SOFT" or "HARD"; anything but exactly "SOFT" is hard
    int degree = 0;      // 度数: exact angle, whole degrees 0..180
    int orb = 0;         // 許容度: the aspect holds from degree − orb to degree + orb
    std::string etc;     // ETC: stored, used by no computation
    std::string memo;    // メモ: what the aspect means, quoted by the reading texts
    bool operator==(const AspectDefinition&) const = default;
};

// The definitions in 50 slots, rows 1..count() in the table's physical order.
class AspectTable {
public:
    static constexpr int slotCount = 50;

    int count() const { return count_; }
    // Slot 1..50; slots beyond count() are empty definitions.
    const AspectDefinition& slot(int i) const { return slots_[i]; }

    // Replaces the contents with the table's rows from its first row on. Every slot is
    // cleared first, so nothing of an earlier, longer load survives. Rows beyond the
    // 50th are not read. Returns how many rows the table holds.
    int load(platform::Table& table);
    // Test and start-up helper: the definitions given, in order (at most 50).
    void assign(const std::vector<AspectDefinition>& rows);

private:
    platform::Array1<AspectDefinition, 1, slotCount> slots_;
    int count_ = 0;
};

// `loadAspectTable`: opens "ASPECT.db" in `folder` and loads it. A table with more than
// 50 rows loads the first 50 and says that the rest is ignored. A table that cannot be
// opened leaves the definitions empty, so no pair has an aspect; that is returned, not
// shown, because the program starts without it (the settings window shows the reason
// when it is opened). Returns the engine's error text, "" when the table loaded.
// `installed`: the folder is installed data, opened read-only.
std::string loadAspectTable(AspectTable& aspects, platform::TableEngine& engine, const std::string& folder,
                            platform::Messages& messages, bool installed = false);

}  // namespace celmora::western
