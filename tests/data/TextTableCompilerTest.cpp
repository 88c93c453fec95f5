// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// The text-table compiler with the real schema (data/texttables.json): a clean source
// becomes a table the engine opens with the schema's fields, in source order and with
// the escapes resolved; a faulty source is refused with file, line and field named,
// and no table is written.

#include "DataTestSupport.h"
#include "platform/TempDir.h"

#include "platform/Table.h"

#include <gtest/gtest.h>

#include <ostream>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace celmora::testing {
namespace {

namespace fs = std::filesystem;

const std::string schemaFile = std::string(CELMORA_SOURCE_DIR) + "/data/texttables.json";
const std::string goodSources = std::string(CELMORA_SOURCE_DIR) + "/tests/data/fixtures/texttables";

CommandResult compile(const std::string& sources, const std::string& out, const std::string& table,
                      const std::string& extra = "")
{
    return runCommand(std::string("'") + CELMORA_TEXTTABLES_TOOL + "' --schema '" + schemaFile + "' --sources '" +
                      sources + "' " + (out.empty() ? "--check" : "--out '" + out + "'") + " " + extra + " " + table);
}

void writeFile(const fs::path& path, const std::string& text)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

bool leftovers(const fs::path& folder)
{
    if (!fs::exists(folder)) return false;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().filename().string().rfind(".building", 0) == 0) return true;
    }
    return false;
}

TEST(TextTableCompiler, CompilesCleanSourcesIntoTablesWithTheSchemasFields)
{
    TempDir out;
    for (const char* table : {"惑星星座BUN", "ASPBUN", "ASPECT"}) {
        const CommandResult result = compile(goodSources, out.path(), table);
        ASSERT_EQ(result.exitCode, 0) << table << "\n" << result.output;
    }
    auto engine = platform::makeSqliteTableEngine();
    const std::string folder = out / "bunsyodb";

    const auto planets = engine->open(folder, "惑星星座BUN");
    ASSERT_EQ(planets->fields().size(), 4u);
    EXPECT_EQ(planets->fields()[0].name, "惑星");
    EXPECT_EQ(planets->fields()[1].name, "星座");
    EXPECT_EQ(planets->fields()[2].name, "メモ");
    EXPECT_EQ(planets->fields()[2].type, platform::FieldType::Memo);
    EXPECT_EQ(planets->fields()[3].name, "ビジネス");
    ASSERT_EQ(planets->recordCount(), 4);
    ASSERT_TRUE(planets->first());
    EXPECT_EQ(planets->text("メモ"), "一行目\n二行目");
    EXPECT_EQ(planets->text("ビジネス"), "タブ\tと\\記号");
    ASSERT_TRUE(planets->next());
    EXPECT_EQ(planets->text("惑星"), "月");
    EXPECT_EQ(planets->text("星座"), "");

    // Table order is the source order: the pair's summary row stays in front.
    const auto aspects = engine->open(folder, "ASPBUN");
    ASSERT_EQ(aspects->recordCount(), 5);
    ASSERT_TRUE(aspects->first());
    EXPECT_EQ(aspects->text("アスペクト"), "概要");
    ASSERT_TRUE(aspects->next());
    EXPECT_EQ(aspects->text("アスペクト"), "0");
    EXPECT_EQ(aspects->text("ビジネス"), "合のビジネス");

    const auto definitions = engine->open(folder, "ASPECT");
    ASSERT_EQ(definitions->fields().size(), 6u);
    EXPECT_EQ(definitions->fields()[2].name, "度数");
    EXPECT_EQ(definitions->fields()[2].type, platform::FieldType::SmallInt);
    ASSERT_TRUE(definitions->last());
    EXPECT_EQ(definitions->integer("度数"), 120);
    EXPECT_EQ(definitions->integer("許容度"), 6);
    EXPECT_EQ(definitions->text("名称"), "あいうえおかきくけこさしすせそたちつてと");  // 20 characters: the limit
    EXPECT_FALSE(leftovers(folder));
}

struct BadSource {
    const char* name;
    const char* table;
    const char* text;
    int line;           // the line the message must name
    const char* field;  // the field it must name ("" when the fault is the whole line)
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const BadSource& c, std::ostream* out) { *out << c.name; }


class TextTableRefusal : public ::testing::TestWithParam<BadSource> {};

TEST_P(TextTableRefusal, NamesFileLineAndFieldAndWritesNothing)
{
    const BadSource& c = GetParam();
    TempDir work;
    writeFile(fs::path(work.path()) / "sources/bunsyodb" / (std::string(c.table) + ".tsv"), c.text);
    const CommandResult result = compile(work / "sources", work / "out", c.table);
    EXPECT_EQ(result.exitCode, 1) << result.output;
    std::string where = "bunsyodb/" + std::string(c.table) + ".tsv:" + std::to_string(c.line) + ": ";
    if (*c.field != '\0') where += "「" + std::string(c.field) + "」";
    EXPECT_NE(result.output.find(where), std::string::npos) << "expected \"" << where << "\" in:\n" << result.output;
    EXPECT_FALSE(fs::exists(work / ("out/bunsyodb/" + std::string(c.table) + ".db")));
    EXPECT_FALSE(leftovers(work / "out/bunsyodb"));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, TextTableRefusal,
    ::testing::Values(
        BadSource{"MissingField", "惑星星座BUN", "惑星\t星座\tメモ\tビジネス\n太陽\t牡羊\t読み\n", 2, "ビジネス"},
        BadSource{"ExtraTab", "惑星星座BUN", "惑星\t星座\tメモ\tビジネス\n太陽\t牡羊\t\t\t読み\n", 2, ""},
        BadSource{"BlankLineInside", "惑星星座BUN", "惑星\t星座\tメモ\tビジネス\n\n太陽\t牡羊\t\t\n", 2, ""},
        BadSource{"WrongHeader", "惑星星座BUN", "惑星\t星座名\tメモ\tビジネス\n太陽\t牡羊\t\t\n", 1, "星座"},
        BadSource{"SignNameWithSuffix", "惑星星座BUN", "惑星\t星座\tメモ\tビジネス\n太陽\t牡羊\t\t\n太陽\t牡牛座\t\t\n", 3,
                  "星座"},
        BadSource{"UnknownBody", "惑星星座BUN", "惑星\t星座\tメモ\tビジネス\n太陽星\t牡羊\t\t\n", 2, "惑星"},
        BadSource{"RepeatedKey", "惑星星座BUN", "惑星\t星座\tメモ\tビジネス\n太陽\t牡羊\tA\t\n月\t牡羊\t\t\n太陽\t牡羊\tB\t\n",
                  4, "惑星、星座"},
        BadSource{"UnknownEscape", "惑星星座BUN", "惑星\t星座\tメモ\tビジネス\n太陽\t牡羊\t改行は\\rではない\t\n", 2, "メモ"},
        BadSource{"InvalidUtf8", "惑星星座BUN", "惑星\t星座\tメモ\tビジネス\n太陽\t牡羊\t\xff\xfe\t\n", 2, ""},
        BadSource{"BodiesInWrongOrder", "ASPBUN", "惑星1\t惑星2\tアスペクト\tメモ\tビジネス\n月\t太陽\t概要\t\t\n", 2, "惑星2"},
        BadSource{"SummaryAfterAngleRow", "ASPBUN",
                  "惑星1\t惑星2\tアスペクト\tメモ\tビジネス\n太陽\t月\t0\t\t\n太陽\t月\t概要\t\t\n", 3, "アスペクト"},
        BadSource{"AngleNotAnAspect", "ASPBUN", "惑星1\t惑星2\tアスペクト\tメモ\tビジネス\n太陽\t月\t75\t\t\n", 2,
                  "アスペクト"},
        BadSource{"OverlongName", "ASPECT",
                  "名称\tTessaro流\t度数\t許容度\tETC\tメモ\nあいうえおかきくけこさしすせそたちつてとな\tSOFT\t120\t6\t\t\n", 2,
                  "名称"},
        BadSource{"DegreeNotANumber", "ASPECT", "名称\tTessaro流\t度数\t許容度\tETC\tメモ\n合\tHARD\t九十\t8\t\t\n", 2,
                  "度数"},
        BadSource{"OrbOutOfRange", "ASPECT", "名称\tTessaro流\t度数\t許容度\tETC\tメモ\n合\tHARD\t0\t-1\t\t\n", 2,
                  "許容度"},
        BadSource{"ClassNotSoftOrHard", "ASPECT", "名称\tTessaro流\t度数\t許容度\tETC\tメモ\n合\tsoft\t0\t8\t\t\n", 2,
                  "Tessaro流"}),
    [](const ::testing::TestParamInfo<BadSource>& info) { return std::string(info.param.name); });

TEST(TextTableCompiler, RefusesMoreAspectDefinitionsThanTheProgramReads)
{
    TempDir work;
    std::string text = "名称\tTessaro流\t度数\t許容度\tETC\tメモ\n";
    for (int i = 0; i < 51; ++i) text += "合\tHARD\t0\t1\t\t\n";
    writeFile(fs::path(work.path()) / "sources/bunsyodb/ASPECT.tsv", text);
    const CommandResult result = compile(work / "sources", work / "out", "ASPECT");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.output.find("bunsyodb/ASPECT.tsv:52: "), std::string::npos) << result.output;
}

TEST(TextTableCompiler, RefusedSourceLeavesThePreviousTableIntact)
{
    TempDir work;
    ASSERT_EQ(compile(goodSources, work / "out", "惑星星座BUN").exitCode, 0);
    writeFile(fs::path(work.path()) / "sources/bunsyodb/惑星星座BUN.tsv", "惑星\t星座\tメモ\tビジネス\n太陽\t牡羊座\t\t\n");
    EXPECT_EQ(compile(work / "sources", work / "out", "惑星星座BUN").exitCode, 1);
    auto engine = platform::makeSqliteTableEngine();
    EXPECT_EQ(engine->open(work / "out/bunsyodb", "惑星星座BUN")->recordCount(), 4);
}

TEST(TextTableCompiler, CheckOnlyWritesNothingAndMissingSourcesAreSkipped)
{
    TempDir work;
    writeFile(fs::path(work.path()) / "sources/bunsyodb/ASPBUN.tsv", "惑星1\t惑星2\tアスペクト\tメモ\tビジネス\n");
    // No table named: every table whose source exists; only ASPBUN has one here.
    const CommandResult checked = compile(work / "sources", "", "");
    EXPECT_EQ(checked.exitCode, 0) << checked.output;
    const CommandResult built = compile(work / "sources", work / "out", "");
    EXPECT_EQ(built.exitCode, 0) << built.output;
    EXPECT_TRUE(fs::exists(work / "out/bunsyodb/ASPBUN.db"));
    EXPECT_FALSE(fs::exists(work / "out/bunsyodb/ASPECT.db"));
    EXPECT_FALSE(fs::exists(work / "out/bunsyodb/惑星星座BUN.db"));
}

}  // namespace
}  // namespace celmora::testing
