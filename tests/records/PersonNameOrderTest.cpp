// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// "氏名の漢字コード順": the name order of a person list is the Japanese one, and the
// name search goes to the nearest name in that same order.

#include "PersonFixture.h"
#include "records/PersonIndexes.h"

namespace celmora::records_test {
namespace {

using ::testing::ElementsAre;

class PersonNameOrder : public PersonFixture {
protected:
    PersonNameOrder()
    {
        // Entered out of order; by code point they would sort 佐藤, 和暦, 山田.
        for (const char* name : {"和暦", "山田", "たなか", "佐藤", "Kato"}) add(name);
    }
};

TEST_F(PersonNameOrder, TheSortScreensNameItemOrdersTheJapaneseWay)
{
    ASSERT_EQ(records::sortItems[0].index, records::nameIndex);
    persons.setOrder(records::sortItems[0].index);
    EXPECT_THAT(column(fields::name), ElementsAre("Kato", "たなか", "佐藤", "山田", "和暦"));
}

struct NearestName {
    const char* text;
    const char* expected;
};

TEST_F(PersonNameOrder, NameSearchFindsTheNearestNameInThatOrder)
{
    const NearestName cases[] = {
        {"佐藤", "佐藤"}, {"山", "山田"},     {"中島", "和暦"},  // 中 comes after 山 and before 和
        {"た", "たなか"}, {"タナカ", "佐藤"},                    // after たなか (script breaks the tie)
        {"kato", "Kato"}, {"鈴木", "和暦"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(persons.searchName(c.text)) << c.text;
        EXPECT_EQ(persons.field(fields::name), c.expected) << c.text;
        EXPECT_THAT(column(fields::name), ElementsAre("Kato", "たなか", "佐藤", "山田", "和暦")) << c.text;
    }
}

}  // namespace
}  // namespace celmora::records_test
