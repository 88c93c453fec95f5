// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <array>
#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>
#include <regex>
#include <sstream>

#include "core/ChartRecord.h"
#include "platform/TempDir.h"
#include "platform/qt/QtPrinter.h"
#include "print/prn_com.h"
#include "print/QRUnit1.h"

namespace celmora::print_ui_test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// Pages in a PDF file, counted from its page objects.
int pdfPageCount(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const std::string s = text.str();
    const std::regex page("/Type\\s*/Page[^s]");
    return static_cast<int>(std::distance(std::sregex_iterator(s.begin(), s.end(), page), std::sregex_iterator()));
}

// The text of one page, or nullopt when poppler's pdftotext is not installed. (Its
// text of some kanji, such as 山 and 行, comes out as the look-alike radicals of the
// font's mapping; the probes below avoid them.)
std::optional<std::string> pageText(const std::string& path, int page)
{
    const std::string command = "pdftotext -enc UTF-8 -layout -f " + std::to_string(page) + " -l " +
                                std::to_string(page) + " '" + path + "' - 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return std::nullopt;
    std::string out;
    std::array<char, 4096> buffer{};
    while (std::fgets(buffer.data(), static_cast<int>(buffer.size()), pipe) != nullptr) out += buffer.data();
    return ::pclose(pipe) == 0 ? std::optional(out) : std::nullopt;
}

core::ChartRecord diagnosedChart()
{
    core::ChartRecord chart;
    chart.name = "山田花子";
    chart.birthDateText = "1959/03/07";
    chart.birthTimeLabel = "09時 05分";
    return chart;
}

// About 47 body lines fit on a page; 120 lines (and the empty last paragraph) need
// three pages for any line height between 16 and 22 report pixels.
std::vector<std::string> bodyLines(int count)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back("【" + std::to_string(i) + "】太陽は獅子座にあり、明るく堂々とした性格です。");
    return lines;
}

class ReadingPageTest : public ::testing::Test {
protected:
    ReadingPageTest() : printer(platform::makePdfPrinter(dir / "page.pdf", platform::PaperKind::A4, 300)) {}

    testing::TempDir dir;
    std::unique_ptr<platform::QtPrinter> printer;
    core::ChartRecord chart = diagnosedChart();
};

TEST_F(ReadingPageTest, ThreePageBodyIsNumberedOneTwoThreeAndTheNextPrintStartsAtOne)
{
    print::TQRForm1 report(*printer, chart);
    EXPECT_EQ(report.QRPage(), "Page 1");
    ASSERT_TRUE(report.PrintReadingPage("山田花子 様の本質診断", bodyLines(120)));
    EXPECT_THAT(report.printedPageLabels(), ElementsAre("Page 1", "Page 2", "Page 3"));
    EXPECT_EQ(report.pageCounter(), 1);
    EXPECT_EQ(report.QRPage(), "Page 1");
    EXPECT_EQ(pdfPageCount(dir / "page.pdf"), 3);

    printer->setPdfPath(dir / "again.pdf");
    ASSERT_TRUE(report.PrintReadingPage("次の鑑定", bodyLines(3)));
    EXPECT_THAT(report.printedPageLabels(), ElementsAre("Page 1"));
    EXPECT_EQ(pdfPageCount(dir / "again.pdf"), 1);
}

TEST_F(ReadingPageTest, EveryPageCarriesHeaderAndFooterAndTheBodyFlowsOn)
{
    print::TQRForm1 report(*printer, chart);
    ASSERT_TRUE(report.PrintReadingPage("山田花子 様の本質診断", bodyLines(120)));
    EXPECT_EQ(report.QRbirth(), "1959/03/07  09時 05分生れ");
    EXPECT_EQ(report.QRLogo(), print::PrinterPageModule::footerText());

    for (int page = 1; page <= 3; ++page) {
        const auto text = pageText(dir / "page.pdf", page);
        if (!text) GTEST_SKIP() << "pdftotext is not installed";
        EXPECT_THAT(*text, HasSubstr("様の本質診断")) << page;
        EXPECT_THAT(*text, HasSubstr("1959/03/07")) << page;
        // The number itself is checked on the recorded pages (print_tests): the text
        // extraction of this PDF does not always keep it beside its label.
        EXPECT_THAT(*text, HasSubstr("Page")) << page;
        EXPECT_THAT(*text, HasSubstr("Celmora Pro")) << page;
    }
    // No line is lost or doubled at a page end: the first and last lines are there once.
    std::string all;
    for (int page = 1; page <= 3; ++page) all += pageText(dir / "page.pdf", page).value_or("");
    for (int i = 1; i <= 120; ++i) {
        const std::string line = "【" + std::to_string(i) + "】";
        const auto first = all.find(line);
        EXPECT_NE(first, std::string::npos) << line;
        EXPECT_EQ(all.find(line, first + 1), std::string::npos) << line;
    }
}

TEST_F(ReadingPageTest, EmptyLinesAtTheEndNeverMakeABlankPage)
{
    print::TQRForm1 report(*printer, chart);
    ASSERT_TRUE(report.PrintReadingPage("鑑定", bodyLines(60)));
    const auto pages = report.printedPageLabels().size();
    std::vector<std::string> padded = bodyLines(60);
    padded.resize(padded.size() + 80);  // more empty lines than a page holds
    printer->setPdfPath(dir / "padded.pdf");
    ASSERT_TRUE(report.PrintReadingPage("鑑定", padded));
    EXPECT_EQ(report.printedPageLabels().size(), pages);
    EXPECT_EQ(pdfPageCount(dir / "padded.pdf"), static_cast<int>(pages));
}

TEST_F(ReadingPageTest, ThePrintersOwnPaperIsLeftAsItWas)
{
    printer->setPaper(platform::PaperKind::B5);
    const QPageLayout before = printer->qprinter().pageLayout();
    print::TQRForm1 report(*printer, chart);
    ASSERT_TRUE(report.PrintReadingPage("鑑定", bodyLines(2)));
    EXPECT_TRUE(printer->qprinter().pageLayout().isEquivalentTo(before));
    EXPECT_EQ(printer->paperKind(), platform::PaperKind::B5);
}

TEST_F(ReadingPageTest, UnwritableFileIsReportedAndTheCounterStaysAtOne)
{
    printer->setPdfPath(dir / "missing-folder/page.pdf");
    print::TQRForm1 report(*printer, chart);
    EXPECT_FALSE(report.PrintReadingPage("鑑定", bodyLines(2)));
    EXPECT_EQ(report.pageCounter(), 1);
}

}  // namespace
}  // namespace celmora::print_ui_test

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
