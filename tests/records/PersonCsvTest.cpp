// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include <sstream>

#include "PersonFixture.h"
#include "records/PersonCsv.h"

namespace celmora::records_test {
namespace {

std::string exported(const PersonTable& persons)
{
    std::ostringstream out;
    records::exportPersonsCsv(persons, out);
    return out.str();
}

int imported(PersonTable& persons, const std::string& text)
{
    std::istringstream in(text);
    return records::importPersonsCsv(persons, in);
}

class PersonCsvTest : public PersonFixture {};

TEST_F(PersonCsvTest, ExportThenImportIntoTheSecondListRoundTripsEveryField)
{
    // Every field gets a value; texts that need quoting, and a gap in the numbers.
    add("山田, \"花子\"", {{"メモ", "一行目\r\n二行目\n三行目"}, {"住所", "東京都,港区"}, {"太陽角度", "-3"}});
    add("消す人");
    add("Suzuki");
    persons.last();
    for (const auto& field : PersonTable::definition().fields) {
        if (field.type == platform::FieldType::SmallInt) persons.setIntegerField(field.name, 7);
        if (field.type == platform::FieldType::Text && field.name != "氏名") persons.setField(field.name, "x");
    }
    persons.save();
    persons.first();
    persons.next();
    persons.deleteCurrent();  // the rows keep numbers 1 and 3
    const std::string first = exported(persons);

    persons.open(PersonList::Second);
    EXPECT_EQ(imported(persons, first), 2);
    EXPECT_EQ(exported(persons), first);
    EXPECT_EQ(column(fields::no), (std::vector<std::string>{"1", "3"}));
    EXPECT_EQ(column("メモ")[0], "一行目\r\n二行目\n三行目");
}

TEST_F(PersonCsvTest, FormulaCellsAreNeutralisedOnExportAndRestoredOnImport)
{
    struct Row {
        const char* stored;
        const char* cell;  // as the CSV holds it
    };
    const Row rows[] = {
        {"=cmd|' /C calc'!A0", "'=cmd|' /C calc'!A0"},
        {"+1+1", "'+1+1"},
        {"@SUM(A1:A9)", "'@SUM(A1:A9)"},
        {"\tタブ", "'\tタブ"},
        {"-手書き", "'-手書き"},
        {"'引用", "''引用"},        // an apostrophe of its own survives the round trip
        {"-29", "-29"},             // plain numbers stay numbers
        {"普通の住所", "普通の住所"},
    };
    int n = 0;
    for (const Row& r : rows) add("人" + std::to_string(++n), {{"住所", r.stored}});
    const std::string text = exported(persons);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.stored);
        EXPECT_NE(text.find(std::string(",") + r.cell + ","), std::string::npos) << text;
    }
    persons.open(PersonList::Second);
    ASSERT_EQ(imported(persons, text), static_cast<int>(std::size(rows)));
    std::vector<std::string> expected;
    for (const Row& r : rows) expected.emplace_back(r.stored);
    EXPECT_EQ(column("住所"), expected);
    EXPECT_EQ(exported(persons), text);

    EXPECT_THROW(imported(persons, std::string("氏名,住所\n花子,a\0b\n", 17)), records::CsvFormatError);
}

TEST_F(PersonCsvTest, ImportIntoAListWithRowsNumbersAfterThem)
{
    add("一郎");
    add("二郎");
    EXPECT_EQ(imported(persons, "\xEF\xBB\xBFNo,氏名,年度\n1,花子,1959\n,太郎,\n"), 2);
    EXPECT_EQ(column(fields::no), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(column(fields::name), (std::vector<std::string>{"一郎", "二郎", "花子", "太郎"}));
}

TEST_F(PersonCsvTest, ColumnsMayComeInAnyOrderAndBeLeftOut)
{
    EXPECT_EQ(imported(persons, "年度,氏名\r\n1959,花子\r\n\r\n1960,太郎\r\n"), 2);
    EXPECT_EQ(column(fields::year), (std::vector<std::string>{"1959", "1960"}));
    EXPECT_EQ(column(fields::no), (std::vector<std::string>{"1", "2"}));
}

struct MalformedCase {
    const char* label;
    const char* csv;
    int line;
};

class MalformedCsv : public PersonCsvTest, public ::testing::WithParamInterface<MalformedCase> {};

TEST_P(MalformedCsv, IsRefusedWithItsLineAndNothingIsWritten)
{
    add("一郎");
    try {
        imported(persons, GetParam().csv);
        FAIL() << "accepted";
    } catch (const records::CsvFormatError& e) {
        EXPECT_EQ(e.line(), GetParam().line) << e.what();
        EXPECT_NE(std::string(e.what()).find(std::to_string(GetParam().line) + "行目"), std::string::npos) << e.what();
    }
    EXPECT_EQ(column(fields::name), std::vector<std::string>{"一郎"});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedCsv,
    ::testing::Values(MalformedCase{"NoHeader", "", 1}, MalformedCase{"UnknownField", "氏名,星座\n花子,獅子\n", 1},
                      MalformedCase{"FieldTwice", "氏名,氏名\n花子,花子\n", 1},
                      MalformedCase{"TooFewValues", "氏名,年度\n花子,1959\n太郎\n", 3},
                      MalformedCase{"TooManyValues", "氏名,年度\n花子,1959,x\n", 2},
                      MalformedCase{"NotAnInteger", "氏名,太陽角度\n花子,12\n太郎,十二\n", 3},
                      MalformedCase{"SmallIntOutOfRange", "氏名,R1\n花子,40000\n", 2},
                      MalformedCase{"TextTooLong", "氏名,年度\n花子,19590\n", 2},
                      MalformedCase{"NameOf17Characters", "氏名\nあいうえおかきくけこさしすせそたち\n", 2},
                      MalformedCase{"LineCountedAfterAMultiLineMemo", "氏名,メモ\n花子,\"a\nb\nc\"\n太郎,x,y\n", 5},
                      MalformedCase{"UnclosedQuote", "氏名,メモ\n花子,\"abc\n", 2},
                      MalformedCase{"StrayQuote", "氏名\n花\"子\n", 2},
                      MalformedCase{"NotUtf8", "氏名\n\xff\xfe\n", 2}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(PersonCsvTest, RepeatedNumberIntoAnEmptyListIsRefused)
{
    persons.open(PersonList::Second);
    EXPECT_THROW(imported(persons, "No,氏名\n5,花子\n5,太郎\n"), records::CsvFormatError);
    EXPECT_TRUE(persons.openReader()->isEmpty());
}

}  // namespace
}  // namespace celmora::records_test
