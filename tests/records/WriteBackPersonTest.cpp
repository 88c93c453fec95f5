// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "PersonFixture.h"
#include "core/BirthInput.h"
#include "core/ChartRecord.h"
#include "records/WriteBackPerson.h"

namespace celmora::records_test {
namespace {

// A chart with a distinct value in every field the write-back reads.
core::ChartRecord sampleChart()
{
    core::ChartRecord chart;
    const char* signs[] = {"獅子", "牡羊", "乙女", "かに", "天秤", "射手", "山羊", "水瓶", "うお", "さそり", "双子"};
    for (int p = 1; p <= 11; ++p) {
        chart.pointSignName[p] = signs[p - 1];
        chart.pointDeg[p] = p + 10;
    }
    chart.houseSignName[1] = "乙女";
    chart.houseSignName[10] = "双子";
    chart.houseDegReal[1] = 14.5;  // halves round to even: 14
    chart.houseDegReal[10] = 3.5;  // 4
    chart.strongestPlanetName = "金星";
    chart.weakPlanetNames[1] = "土星";
    chart.weakPlanetNames[2] = "火星";
    chart.sunHouse = 11;
    chart.risingBodies[1] = "月";
    chart.risingBodies[3] = "冥王星";
    chart.culminatingBodies[2] = "太陽";
    chart.patternGrandTrine = 1;
    chart.patternIsosceles = 2;
    chart.patternRightTriangle = 3;
    chart.patternSquare = 4;
    chart.patternRectangle = 5;
    for (int k = 1; k <= 13; ++k) chart.chartAngle[k] = 180 + k;
    return chart;
}

core::BirthInput sampleBoxes()
{
    core::BirthInput in;
    in.name = "山田花子";
    in.yearText = "1959";
    in.monthText = "03";
    in.dayText = "07";
    in.hourText = "09";
    in.minuteText = "05";
    in.sex = "女";
    in.timeDiffText = "+19";
    in.area1 = "東京";
    return in;
}

records::SunSeparations sampleSeparations()
{
    records::SunSeparations sun;
    for (int k = 2; k <= 13; ++k) sun[k] = 100 + k;
    return sun;
}

class WriteBackPersonTest : public PersonFixture {};

TEST_F(WriteBackPersonTest, NewlyAppendedRowIsSavedWithItsSummary)
{
    add("一郎");
    persons.appendNew();
    records::WriteBackPerson(persons, sampleChart(), sampleBoxes(), sampleSeparations());

    EXPECT_FALSE(persons.isEditing());
    auto saved = persons.openReader();
    saved->last();
    EXPECT_EQ(persons.rowCount(), 2);
    EXPECT_EQ(saved->integer(fields::no), 2);
    const std::pair<std::string_view, std::string> expected[] = {
        {"氏名", "山田花子"}, {"年度", "1959"},         {"月度", "03"},        {"日", "07"},        {"時", "09"},
        {"分", "05"},         {"時差", "+19"},          {"性別", "女"},        {"太陽", "獅子"},    {"太陽角度", "11"},
        {"DH", "双子"},       {"DH角度", "21"},         {"ASC", "乙女"},       {"ASC角度", "14"},   {"MC", "双子"},
        {"MC角度", "4"},      {"惑星ポイント", "金星"}, {"惑星NOASP", "土星"}, {"太陽HOUSE", "11"}, {"上昇星1", "月"},
        {"上昇星2", ""},      {"上昇星3", "冥王星"},    {"南中星2", "太陽"},   {"正三角", "1"},     {"二等辺", "2"},
        {"直角三", "3"},      {"正方形", "4"},          {"長方形", "5"},       {"R1", "181"},       {"R13", "193"},
        {"SUN月", "102"},     {"SUNDH", "111"},
    };
    for (const auto& [field, value] : expected) EXPECT_EQ(saved->text(field), value) << field;
    // The birthplace is the birthplace screen's to write, not the run's.
    EXPECT_EQ(saved->text(fields::area1), "");
}

TEST_F(WriteBackPersonTest, SunAscAndSunMcHoldTheSeparationsFromPoints12And13)
{
    records::SunSeparations sun;
    sun[12] = 123;
    sun[13] = 45;
    persons.setField(fields::name, "一郎");
    records::WriteBackPerson(persons, sampleChart(), sampleBoxes(), sun);
    EXPECT_EQ(persons.integerField("SUNASC"), 123);
    EXPECT_EQ(persons.integerField("SUNMC"), 45);
    EXPECT_EQ(persons.integerField("SUN冥王星"), 0);
}

TEST_F(WriteBackPersonTest, OverwritesTheCurrentRowOnly)
{
    add("一郎");
    add("二郎");
    persons.first();
    records::WriteBackPerson(persons, sampleChart(), sampleBoxes(), sampleSeparations());
    EXPECT_THAT(column(fields::name), ::testing::ElementsAre("山田花子", "二郎"));
    EXPECT_THAT(column("太陽"), ::testing::ElementsAre("獅子", ""));
}

}  // namespace
}  // namespace celmora::records_test
