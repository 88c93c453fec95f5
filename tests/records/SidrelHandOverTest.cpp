// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/ChartRecord.h"
#include "platform/Messages.h"
#include "platform/ProgramStart.h"
#include "platform/Services.h"
#include "platform/Settings.h"
#include "records/SidrelHandOver.h"

namespace celmora::records_test {
namespace {

using records::SidrelOutcome;

class SidrelHandOverTest : public ::testing::Test {
protected:
    SidrelHandOverTest() : services{platform::ProgramDir("/opt/celmora", "/home/u/.local/share/celmora")}
    {
        services.settings = &settings;
        services.messages = &messages;
        services.programs = &programs;
        chart.name = "山田花子";
        chart.year = 1959;
        chart.month = 3;
        chart.day = 7;
        chart.sex = "女";
    }
    std::string value(const char* key) const { return settings.readString("jinmei", key, "(none)"); }

    platform::MemorySettings settings;
    platform::RecordingMessages messages;
    platform::RecordingProgramStart programs;
    platform::Services services;
    core::ChartRecord chart;
};

TEST_F(SidrelHandOverTest, WritesThePersonWithoutLeadingZerosAndStartsTheProgram)
{
    programs.existing = {"/opt/celmora/Sidrel"};
    EXPECT_EQ(records::SidrelHandOver(chart, services), SidrelOutcome::Started);
    EXPECT_EQ(value("name"), "山田花子");
    EXPECT_EQ(value("yy"), "1959");
    EXPECT_EQ(value("mm"), "3");
    EXPECT_EQ(value("dd"), "7");
    EXPECT_EQ(value("sex"), "女");
    EXPECT_THAT(programs.started, ::testing::ElementsAre("/opt/celmora/Sidrel"));
    EXPECT_TRUE(messages.list.empty());
}

TEST_F(SidrelHandOverTest, MissingProgramIsToldAfterTheSettingsAreWritten)
{
    EXPECT_EQ(records::SidrelHandOver(chart, services), SidrelOutcome::NotInstalled);
    EXPECT_EQ(value("name"), "山田花子");
    EXPECT_TRUE(programs.started.empty());
    EXPECT_THAT(messages.texts(), ::testing::ElementsAre(std::string(records::sidrelMissingMessage)));
}

TEST_F(SidrelHandOverTest, NothingHappensBeforeTheFirstDiagnosis)
{
    programs.existing = {"/opt/celmora/Sidrel"};
    EXPECT_EQ(records::SidrelHandOver(core::ChartRecord{}, services), SidrelOutcome::NoChart);
    EXPECT_TRUE(settings.values.empty());
    EXPECT_TRUE(programs.started.empty());
    EXPECT_TRUE(messages.list.empty());
}

}  // namespace
}  // namespace celmora::records_test
