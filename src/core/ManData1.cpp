// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "core/ManData1.h"

namespace celmora::core {

namespace {

using Slot = std::unique_ptr<ChartRecord>;

ChartRecord& used(Slot& slot)
{
    if (!slot) slot = std::make_unique<ChartRecord>();
    return *slot;
}

}  // namespace

// One slot per record; the slot's index check runs before any allocation, so a bad
// index throws RangeError exactly as the eagerly built arrays did.
struct Tmandata::FurtherRecords {
    platform::Array1<Slot, 1, progressedCount> progressed;
    platform::Array1<Slot, 1, transitCount> transit;
    Slot partner;
    Slot indianTransit;
    platform::Array2<Slot, 1, monthlyYearSlots, 1, monthsPerYear> monthlyTransit;
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
    return used(further_->progressed[age]);
}

ChartRecord& Tmandata::TransitChart(int kind)
{
    return used(further_->transit[kind]);
}

ChartRecord& Tmandata::PartnerChart()
{
    return used(further_->partner);
}

ChartRecord& Tmandata::IndianTransitChart()
{
    return used(further_->indianTransit);
}

ChartRecord& Tmandata::MonthlyTransitCharts(int yearSlot, int month)
{
    return used(further_->monthlyTransit[yearSlot][month]);
}

ChartRecord* Tmandata::ProgressedChartIfUsed(int age)
{
    return further_->progressed[age].get();
}

ChartRecord* Tmandata::TransitChartIfUsed(int kind)
{
    return further_->transit[kind].get();
}

}  // namespace celmora::core
