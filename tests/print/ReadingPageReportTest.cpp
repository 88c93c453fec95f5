// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// The reading-page report on a printer in memory: what each page carries, where the
// body breaks, and how a job that cannot start or finish is reported.

#include "core/ChartRecord.h"
#include "platform/RecordingPrinter.h"
#include "print/QRUnit1.h"
#include "print/prn_com.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace celmora::print {
namespace {

using ::testing::ElementsAre;

core::ChartRecord chart()
{
    core::ChartRecord c;
    c.name = "山田花子";
    c.birthDateText = "1959/03/07";
    c.birthTimeLabel = "09時 05分";
    return c;
}

std::vector<platform::OpText> texts(const platform::DisplayList& page)
{
    std::vector<platform::OpText> out;
    for (const platform::DisplayOp& op : page.ops) {
        if (const auto* t = std::get_if<platform::OpText>(&op)) out.push_back(*t);
    }
    return out;
}

std::vector<std::string> lines(int count)
{
    std::vector<std::string> out;
    for (int i = 1; i <= count; ++i) out.push_back("第" + std::to_string(i) + "行：太陽は獅子座にあります。");
    return out;
}

TEST(ReadingPageReport, EveryPageCarriesTheHeaderTheFooterAndItsNumberAndTheBodyFlowsOn)
{
    platform::RecordingPrinter printer(platform::PaperKind::A4, 300);
    const core::ChartRecord c = chart();
    TQRForm1 report(printer, c);
    ASSERT_TRUE(report.PrintReadingPage("山田花子 様の本質診断", lines(100)));
    ASSERT_EQ(printer.pages().size(), report.printedPageLabels().size());
    ASSERT_GE(printer.pages().size(), 2U);
    EXPECT_EQ(report.printedPageLabels().front(), "Page 1");
    EXPECT_EQ(report.pageCounter(), 1);

    int bodyLines = 0;
    for (std::size_t p = 0; p < printer.pages().size(); ++p) {
        const auto t = texts(printer.pages()[p]);
        ASSERT_GE(t.size(), 4U);
        EXPECT_EQ(t[0].text, "山田花子 様の本質診断");
        EXPECT_EQ(t[1].text, "1959/03/07  09時 05分生れ");
        EXPECT_EQ(t[2].text, "Page " + std::to_string(p + 1));
        EXPECT_EQ(t[3].text, PrinterPageModule::footerText());
        // Body lines go down the page and stay above the footer.
        for (std::size_t i = 5; i < t.size(); ++i) EXPECT_GT(t[i].at.y, t[i - 1].at.y);
        for (std::size_t i = 4; i < t.size(); ++i) EXPECT_LT(t[i].at.y, t[3].at.y);
        bodyLines += static_cast<int>(t.size()) - 4;
    }
    EXPECT_EQ(bodyLines, 100);  // each short paragraph is one line, none lost or doubled
}

TEST(ReadingPageReport, LongParagraphsWrapAtTheBandAndNoLineBeginsWithClosingPunctuation)
{
    platform::RecordingPrinter printer;
    std::string paragraph;
    for (int i = 0; i < 40; ++i) paragraph += "あいうえおかきくけ。";
    const std::vector<std::string> wrapped = TQRForm1::wrapBody(printer.canvas(), {paragraph, "", "短い行"});
    ASSERT_GE(wrapped.size(), 5U);
    std::string joined;
    for (std::size_t i = 0; i + 2 < wrapped.size(); ++i) {
        EXPECT_NE(wrapped[i].rfind("。", 0), 0U) << i;
        joined += wrapped[i];
    }
    EXPECT_EQ(joined, paragraph);
    EXPECT_THAT(std::vector<std::string>(wrapped.end() - 2, wrapped.end()), ElementsAre("", "短い行"));
}

TEST(ReadingPageReport, TrailingEmptyLinesNeverMakeABlankPage)
{
    platform::RecordingPrinter printer;
    const core::ChartRecord c = chart();
    TQRForm1 report(printer, c);
    std::vector<std::string> body = lines(3);
    body.resize(400);
    ASSERT_TRUE(report.PrintReadingPage("鑑定", body));
    EXPECT_THAT(report.printedPageLabels(), ElementsAre("Page 1"));
}

TEST(ReadingPageReport, AJobThatCannotStartOrFinishIsReportedAndTheCounterIsBackAtOne)
{
    platform::RecordingPrinter printer;
    const core::ChartRecord c = chart();
    TQRForm1 report(printer, c);
    printer.failNextJob();
    EXPECT_FALSE(report.PrintReadingPage("鑑定", lines(120)));
    EXPECT_TRUE(report.printedPageLabels().empty());
    EXPECT_EQ(report.pageCounter(), 1);
    EXPECT_EQ(report.QRPage(), "Page 1");

    ASSERT_TRUE(printer.beginJob("another job"));
    EXPECT_FALSE(report.PrintReadingPage("鑑定", lines(2)));
    EXPECT_TRUE(printer.endJob());
}

}  // namespace
}  // namespace celmora::print
