// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

#include "core/calc1Unit.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>

namespace celmora::core {
namespace {

TEST(SignHelpers, NamesAndIndexesRoundTrip)
{
    for (int sign = 1; sign <= 12; ++sign) EXPECT_EQ(seiza2id(signName(sign)), sign);
    EXPECT_EQ(seiza2id("牡羊"), 1);
    EXPECT_EQ(seiza2id("うお"), 12);
    EXPECT_THROW(signName(0), platform::RangeError);
    EXPECT_THROW(signName(13), platform::RangeError);
}

TEST(SignHelpers, UnknownNameEndsTheCommandNamingIt)
{
    // A heading form or a name with blanks is not a table name.
    for (const char* name : {"獅子座", "獅子 ", "", "Leo"}) {
        try {
            seiza2id(name);
            ADD_FAILURE() << name;
        } catch (const platform::CommandError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("seiza2id error : ") + name);
        }
    }
}

TEST(SignHelpers, OppositeSigns)
{
    const int expected[] = {7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6};
    for (int sign = 1; sign <= 12; ++sign) EXPECT_EQ(OppositeSign(sign), expected[sign - 1]) << sign;
    EXPECT_EQ(OppositeSignName("獅子"), "水瓶");
    EXPECT_EQ(OppositeSignName("牡牛"), "さそり");
    EXPECT_THROW(OppositeSign(13), platform::RangeError);
}

}  // namespace
}  // namespace celmora::core
