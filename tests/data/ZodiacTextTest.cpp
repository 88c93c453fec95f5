// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// Longitude -> sign name and degree text "d.mm", the rounding every data table shares.

#include "ZodiacText.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace celmora::datagen {
namespace {

struct LongitudeCase {
    const char* name;
    double longitude;  // degrees
    const char* sign;
    const char* degreeText;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const LongitudeCase& c, std::ostream* out) { *out << c.name; }


class ZodiacTextTest : public ::testing::TestWithParam<LongitudeCase> {};

TEST_P(ZodiacTextTest, RoundsToTheMinuteAndCarries)
{
    const LongitudeCase& c = GetParam();
    const SignDegree position = toSignDegree(c.longitude);
    EXPECT_EQ(signName(position.sign), c.sign);
    EXPECT_EQ(degreeText(position), c.degreeText);
}

// One arc-second is 1/3600 degree; the cases sit just either side of rounding edges.
constexpr double arcsec = 1.0 / 3600.0;

INSTANTIATE_TEST_SUITE_P(
    Longitudes, ZodiacTextTest,
    ::testing::Values(LongitudeCase{"AriesPoint", 0.0, "牡羊", "0.00"},
                      LongitudeCase{"SingleDigitMinutesArePadded", 35.0 + 7.0 / 60.0, "牡牛", "5.07"},
                      LongitudeCase{"ThirtyMinutes", 15.5, "牡羊", "15.30"},
                      LongitudeCase{"BelowHalfMinuteRoundsDown", 100.0 + 29.0 * arcsec, "かに", "10.00"},
                      LongitudeCase{"AboveHalfMinuteRoundsUp", 100.0 + 31.0 * arcsec, "かに", "10.01"},
                      LongitudeCase{"MinuteCarriesIntoDegree", 100.0 + 59.0 / 60.0 + 40.0 * arcsec, "かに", "11.00"},
                      LongitudeCase{"DegreeCarriesIntoNextSign", 59.0 + 59.0 / 60.0 + 45.0 * arcsec, "双子", "0.00"},
                      LongitudeCase{"LastSignCarriesIntoAries", 360.0 - 10.0 * arcsec, "牡羊", "0.00"},
                      LongitudeCase{"LastMinuteOfPisces", 360.0 - 40.0 * arcsec, "うお", "29.59"},
                      LongitudeCase{"NegativeLongitudeWraps", -1.5, "うお", "28.30"},
                      LongitudeCase{"FullTurnWraps", 360.0 + 280.5, "山羊", "10.30"}),
    [](const ::testing::TestParamInfo<LongitudeCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace celmora::datagen
