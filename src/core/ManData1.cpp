// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "core/ManData1.h"

namespace celmora::core {

struct Tmandata::FurtherRecords {
    platform::Array1<ChartRecord, 1, progressedCount> progressed;
    platform::Array1<ChartRecord, 1, transitCount> transit;
    ChartRecord partner;
    ChartRecord indianTransit;
    platform::Array2<ChartRecord, 1, monthlyYearSlots, 1, monthsPerYear> monthlyTransit;
};

Tmandata::Tmandata() : main_(std::make_unique<ChartRecord>()), further_(std::make_unique<FurtherRecords>()) {}

Tmandata::~Tmandata() = default;

bool Tmandata::ChangedSinceAiPage()
{
    return aiPageKey_.changedSince(*main_);
}

bool Tmandata::ChangedSinceBusinessPage()
{
    return businessPageKey_.changedSince(*main_);
}

ChartRecord& Tmandata::ProgressedChart(int age)
{
    return further_->progressed[age];
}

ChartRecord& Tmandata::TransitChart(int kind)
{
    return further_->transit[kind];
}

ChartRecord& Tmandata::PartnerChart()
{
    return further_->partner;
}

ChartRecord& Tmandata::IndianTransitChart()
{
    return further_->indianTransit;
}

ChartRecord& Tmandata::MonthlyTransitCharts(int yearSlot, int month)
{
    return further_->monthlyTransit[yearSlot][month];
}

}  // namespace celmora::core
