// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// The text-table compiler with the real schema (data/texttables.json): a clean source
// becomes a table the engine opens with the schema's fields, in source order and with
// the escapes resolved; a faulty source is refused with file, line and field named,
// and no table is written.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "DataTestSupport.h"
#include "platform/Table.h"
#include "platform/TempDir.h"

namespace celmora::testing {
namespace {

namespace fs = std::filesystem;

const std::string schemaFile = std::string(CELMORA_SOURCE_DIR) + "/data/texttables.json";
const std::string goodSources = std::string(CELMORA_SOURCE_DIR) + "/tests/data/fixtures/texttables";

CommandResult compileWith(const std::string& schema, const std::string& sources, const std::string& out,
                          const std::string& table)
{
    return runCommand(std::string("'") + CELMORA_TEXTTABLES_TOOL + "' --schema '" + schema + "' --sources '" + sources +
                      "' " + (out.empty() ? "--check" : "--out '" + out + "'") + " " + table);
}

CommandResult compile(const std::string& sources, const std::string& out, const std::string& table)
{
    return compileWith(schemaFile, sources, out, table);
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
    int line;               // the line the message must name
    const char* field;      // the field it must name ("" when the fault is the whole line)
    const char* file = "";  // the source file under bunsyodb/; "" for <table>.tsv
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const BadSource& c, std::ostream* out)
{
    *out << c.name;
}

class TextTableRefusal : public ::testing::TestWithParam<BadSource> {};

TEST_P(TextTableRefusal, NamesFileLineAndFieldAndWritesNothing)
{
    const BadSource& c = GetParam();
    TempDir work;
    const std::string file = *c.file != '\0' ? std::string(c.file) : std::string(c.table) + ".tsv";
    writeFile(fs::path(work.path()) / "sources/bunsyodb" / file, c.text);
    const CommandResult result = compile(work / "sources", work / "out", c.table);
    EXPECT_EQ(result.exitCode, 1) << result.output;
    std::string where = "bunsyodb/" + file + ":" + std::to_string(c.line) + ": ";
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
        BadSource{"SignNameWithSuffix", "惑星星座BUN", "惑星\t星座\tメモ\tビジネス\n太陽\t牡羊\t\t\n太陽\t牡牛座\t\t\n",
                  3, "星座"},
        BadSource{"UnknownBody", "惑星星座BUN", "惑星\t星座\tメモ\tビジネス\n太陽星\t牡羊\t\t\n", 2, "惑星"},
        BadSource{"RepeatedKey", "惑星星座BUN",
                  "惑星\t星座\tメモ\tビジネス\n太陽\t牡羊\tA\t\n月\t牡羊\t\t\n太陽\t牡羊\tB\t\n", 4, "惑星、星座"},
        BadSource{"UnknownEscape", "惑星星座BUN", "惑星\t星座\tメモ\tビジネス\n太陽\t牡羊\t改行は\\rではない\t\n", 2,
                  "メモ"},
        BadSource{"InvalidUtf8", "惑星星座BUN", "惑星\t星座\tメモ\tビジネス\n太陽\t牡羊\t\xff\xfe\t\n", 2, ""},
        BadSource{"BodiesInWrongOrder", "ASPBUN", "惑星1\t惑星2\tアスペクト\tメモ\tビジネス\n月\t太陽\t概要\t\t\n", 2,
                  "惑星2"},
        BadSource{"SummaryAfterAngleRow", "ASPBUN",
                  "惑星1\t惑星2\tアスペクト\tメモ\tビジネス\n太陽\t月\t0\t\t\n太陽\t月\t概要\t\t\n", 3, "アスペクト"},
        BadSource{"AngleNotAnAspect", "ASPBUN", "惑星1\t惑星2\tアスペクト\tメモ\tビジネス\n太陽\t月\t75\t\t\n", 2,
                  "アスペクト"},
        BadSource{
            "OverlongName", "ASPECT",
            "名称\tTessaro流\t度数\t許容度\tETC\tメモ\nあいうえおかきくけこさしすせそたちつてとな\tSOFT\t120\t6\t\t\n",
            2, "名称"},
        BadSource{"DegreeNotANumber", "ASPECT", "名称\tTessaro流\t度数\t許容度\tETC\tメモ\n合\tHARD\t九十\t8\t\t\n", 2,
                  "度数"},
        BadSource{"OrbOutOfRange", "ASPECT", "名称\tTessaro流\t度数\t許容度\tETC\tメモ\n合\tHARD\t0\t-1\t\t\n", 2,
                  "許容度"},
        BadSource{"ClassNotSoftOrHard", "ASPECT", "名称\tTessaro流\t度数\t許容度\tETC\tメモ\n合\tsoft\t0\t8\t\t\n", 2,
                  "Tessaro流"},
        // The future table: only the eleven angles the progressions and transits report,
        // the thirteen chart points, and a reading in every row.
        BadSource{"FutureAngleNotAnAspect", "MIRAI", "進行惑星\t出生惑星\t度数\tメモ\n太陽\t月\t75\t読み\n", 2, "度数",
                  "MIRAI-1.tsv"},
        BadSource{"FutureBodyNotAChartPoint", "MIRAI",
                  "進行惑星\t出生惑星\t度数\tメモ\n太陽\tドラゴンテイル\t0\t読み\n", 2, "出生惑星", "MIRAI-1.tsv"},
        BadSource{"FutureReadingEmpty", "MIRAI", "進行惑星\t出生惑星\t度数\tメモ\n太陽\t月\t0\t\n", 2, "メモ",
                  "MIRAI-1.tsv"},
        BadSource{"FutureKeyRepeated", "MIRAI",
                  "進行惑星\t出生惑星\t度数\tメモ\n太陽\t月\t0\tA\n太陽\t月\t180\tB\n太陽\t月\t0\tC\n", 4,
                  "進行惑星、出生惑星、度数", "MIRAI-1.tsv"}),
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
    writeFile(fs::path(work.path()) / "sources/bunsyodb/惑星星座BUN.tsv",
              "惑星\t星座\tメモ\tビジネス\n太陽\t牡羊座\t\t\n");
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

// A table written in parts, with a schema of its own so the cases do not depend on which
// parts of the real tables exist yet.
class PartedTextTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFile(fs::path(work.path()) / "schema.json", R"({"tables": [{
            "name": "PARTED", "folder": "bunsyodb",
            "sources": ["bunsyodb/PARTED-1.tsv", "bunsyodb/PARTED-2.tsv"],
            "fields": [{"name": "惑星", "type": "text", "size": 20, "required": true, "oneOf": ["@bodies"]},
                       {"name": "度数", "type": "smallint"},
                       {"name": "メモ", "type": "memo"}],
            "unique": ["惑星", "度数"], "maxRows": 3}]})");
    }

    void writePart(int part, const std::string& rows, const std::string& header = "惑星\t度数\tメモ\n")
    {
        writeFile(fs::path(work.path()) / ("sources/bunsyodb/PARTED-" + std::to_string(part) + ".tsv"), header + rows);
    }

    CommandResult build() { return compileWith(work / "schema.json", work / "sources", work / "out", "PARTED"); }

    // Expects a refusal that names `where` and writes no table.
    void expectRefusal(const std::string& where)
    {
        const CommandResult result = build();
        EXPECT_EQ(result.exitCode, 1) << result.output;
        EXPECT_NE(result.output.find(where), std::string::npos) << "expected \"" << where << "\" in:\n"
                                                                << result.output;
        EXPECT_FALSE(fs::exists(work / "out/bunsyodb/PARTED.db"));
    }

    TempDir work;
};

TEST_F(PartedTextTable, JoinsThePartsInListOrder)
{
    writePart(1, "月\t0\t一の一\n太陽\t90\t一の二\n");
    writePart(2, "太陽\t0\t二の一\n");
    const CommandResult result = build();
    ASSERT_EQ(result.exitCode, 0) << result.output;
    auto engine = platform::makeSqliteTableEngine();
    const auto table = engine->open(work / "out/bunsyodb", "PARTED");
    ASSERT_EQ(table->recordCount(), 3);
    std::vector<std::string> memos;
    for (bool more = table->first(); more; more = table->next()) memos.push_back(table->text("メモ"));
    EXPECT_EQ(memos, (std::vector<std::string>{"一の一", "一の二", "二の一"}));
}

TEST_F(PartedTextTable, PartWithAnotherHeaderIsRefusedAtItsFirstLine)
{
    writePart(1, "月\t0\t読み\n");
    writePart(2, "太陽\t0\t読み\n", "惑星\t角度\tメモ\n");
    expectRefusal("bunsyodb/PARTED-2.tsv:1: 「度数」");
}

TEST_F(PartedTextTable, KeyRepeatedInALaterPartNamesTheEarlierPart)
{
    writePart(1, "月\t0\tA\n");
    writePart(2, "太陽\t0\tB\n月\t0\tC\n");
    expectRefusal(
        "bunsyodb/PARTED-2.tsv:3: 「惑星、度数」: キー（月、0）がbunsyodb/PARTED-1.tsv の 2 行目と重複しています");
}

TEST_F(PartedTextTable, RowLimitCountsTheRowsOfAllParts)
{
    writePart(1, "月\t0\tA\n月\t90\tB\n");
    writePart(2, "太陽\t0\tC\n太陽\t90\tD\n");
    expectRefusal("bunsyodb/PARTED-2.tsv:3: 行数が上限の 3 行を超えています");
}

TEST_F(PartedTextTable, MissingPartRefusesTheTableEvenWhenOtherPartsAreClean)
{
    writePart(1, "月\t0\t読み\n");
    expectRefusal("bunsyodb/PARTED-2.tsv: ファイルを読めません");
    // Building every table present picks the table up by its present part and refuses
    // it too, rather than building it from half its rows.
    const CommandResult all = compileWith(work / "schema.json", work / "sources", work / "out", "");
    EXPECT_EQ(all.exitCode, 1) << all.output;
    EXPECT_FALSE(fs::exists(work / "out/bunsyodb/PARTED.db"));
}

struct BadSchema {
    const char* name;
    const char* sourceMembers;  // the table's source entry as JSON members
};

void PrintTo(const BadSchema& c, std::ostream* out)
{
    *out << c.name;
}

class TextTableSchemaRefusal : public ::testing::TestWithParam<BadSchema> {};

TEST_P(TextTableSchemaRefusal, IsAUsageFaultNamingTheTable)
{
    TempDir work;
    writeFile(fs::path(work.path()) / "schema.json",
              std::string(R"({"tables": [{"name": "PARTED", "folder": "bunsyodb", )") + GetParam().sourceMembers +
                  R"(, "fields": [{"name": "メモ", "type": "memo"}]}]})");
    const CommandResult result = compileWith(work / "schema.json", work / "sources", "", "");
    EXPECT_EQ(result.exitCode, 2) << result.output;
    EXPECT_NE(result.output.find("table PARTED"), std::string::npos) << result.output;
}

INSTANTIATE_TEST_SUITE_P(Faults, TextTableSchemaRefusal,
                         ::testing::Values(BadSchema{"NoSource", R"("about": "")"},
                                           BadSchema{"BothSourceAndSources",
                                                     R"("source": "a.tsv", "sources": ["b.tsv"])"},
                                           BadSchema{"EmptyPartList", R"("sources": [])"},
                                           BadSchema{"PartListedTwice", R"("sources": ["a.tsv", "a.tsv"])"},
                                           BadSchema{"PartNotAString", R"("sources": ["a.tsv", 2])"}),
                         [](const ::testing::TestParamInfo<BadSchema>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace celmora::testing
