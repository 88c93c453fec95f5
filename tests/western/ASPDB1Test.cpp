// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// Loading "ASPECT.db" into the 50 slots, and the table the program ships.

#include "western/ASPDB1.h"

#include "platform/Messages.h"
#include "platform/Table.h"
#include "western/AspectUnit1.h"

#include <gtest/gtest.h>

#include <set>

namespace celmora::western {
namespace {

platform::TableDef aspectDef()
{
    using platform::FieldType;
    return {{{"名称", FieldType::Text, 20},
             {"Tessaro流", FieldType::Text, 10},
             {"度数", FieldType::SmallInt},
             {"許容度", FieldType::SmallInt},
             {"ETC", FieldType::Text, 40},
             {"メモ", FieldType::Memo}},
            0};
}

void writeRows(platform::TableEngine& engine, int count, int firstDegree = 0)
{
    auto table = engine.create("/text", aspectTableName, aspectDef());
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < count; ++i) {
        const int degree = firstDegree + i;
        rows.push_back({"角" + std::to_string(degree), i % 2 ? "SOFT" : "HARD", std::to_string(degree), "1", "",
                        "メモ" + std::to_string(degree)});
    }
    platform::bulkInsert(*table, rows);
}

TEST(LoadAspectTable, ReadsRowsInTableOrderFieldByField)
{
    auto engine = platform::makeMemoryTableEngine();
    writeRows(*engine, 3, 100);
    AspectTable t;
    platform::RecordingMessages messages;
    EXPECT_EQ(loadAspectTable(t, *engine, "/text", messages), "");
    ASSERT_EQ(t.count(), 3);
    EXPECT_EQ(t.slot(1), (AspectDefinition{"角100", "HARD", 100, 1, "", "メモ100"}));
    EXPECT_EQ(t.slot(3).degree, 102);
    EXPECT_TRUE(messages.list.empty());
}

TEST(LoadAspectTable, AShorterReloadClearsTheSlotsBeyondItsRows)
{
    auto engine = platform::makeMemoryTableEngine();
    platform::RecordingMessages messages;
    AspectTable t;
    writeRows(*engine, 10, 100);
    loadAspectTable(t, *engine, "/text", messages);
    ASSERT_EQ(aspectMemo(t, 108), "メモ108");
    writeRows(*engine, 2, 100);
    loadAspectTable(t, *engine, "/text", messages);
    EXPECT_EQ(t.count(), 2);
    EXPECT_EQ(t.slot(9), AspectDefinition{});
    EXPECT_EQ(aspectMemo(t, 108), "");
}

TEST(LoadAspectTable, NeverReadsBeyondFiftyRows)
{
    auto engine = platform::makeMemoryTableEngine();
    writeRows(*engine, 53);
    AspectTable t;
    platform::RecordingMessages messages;
    loadAspectTable(t, *engine, "/text", messages);
    EXPECT_EQ(t.count(), AspectTable::slotCount);
    EXPECT_EQ(t.slot(50).degree, 49);
    ASSERT_EQ(messages.list.size(), 1u);
    EXPECT_NE(messages.list.front().text.find("53"), std::string::npos);
}

TEST(LoadAspectTable, AMissingTableMeansNoDefinitions)
{
    auto engine = platform::makeMemoryTableEngine();
    AspectTable t;
    t.assign({{"合", "HARD", 0, 8, "", ""}});
    platform::RecordingMessages messages;
    EXPECT_NE(loadAspectTable(t, *engine, "/text", messages), "");
    EXPECT_EQ(t.count(), 0);
    EXPECT_FALSE(findAspect(t, 0).found);
}

// The installed table compiled from data/bunsyodb/ASPECT.tsv.
TEST(ShippedAspectTable, ElevenRecognisedAnglesWithSeparateOrbsAndMemos)
{
    auto engine = platform::makeSqliteTableEngine();
    AspectTable t;
    platform::RecordingMessages messages;
    ASSERT_EQ(loadAspectTable(t, *engine, std::string(CELMORA_PROGRAM_DIR) + "/bunsyodb", messages), "");
    ASSERT_EQ(t.count(), 11);

    // In the strength order every reading list follows.
    const int order[11] = {0, 180, 90, 120, 150, 60, 45, 135, 30, 72, 144};
    const std::set<int> soft{120, 60, 30, 72, 144};
    std::vector<bool> taken(181, false);
    for (int i = 1; i <= 11; ++i) {
        const AspectDefinition& d = t.slot(i);
        EXPECT_EQ(d.degree, order[i - 1]);
        EXPECT_EQ(d.school, soft.count(d.degree) ? "SOFT" : "HARD") << d.degree;
        EXPECT_GE(d.orb, 1);
        for (int s = std::max(0, d.degree - d.orb); s <= std::min(180, d.degree + d.orb); ++s) {
            EXPECT_FALSE(taken[static_cast<std::size_t>(s)]) << "orbs overlap at " << s;
            taken[static_cast<std::size_t>(s)] = true;
        }
        EXPECT_FALSE(d.name.empty());
        // Several sentences in the polite style.
        int sentences = 0;
        for (std::size_t at = d.memo.find("。"); at != std::string::npos; at = d.memo.find("。", at + 1)) ++sentences;
        EXPECT_GE(sentences, 3) << d.name;
        EXPECT_NE(d.memo.find("です。"), std::string::npos) << d.name;
    }
    EXPECT_EQ(t.slot(1).orb, 8);
    EXPECT_EQ(t.slot(3).orb, 7);
}

}  // namespace
}  // namespace celmora::western
