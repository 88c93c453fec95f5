// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "records/RecordsModule.h"

#include "core/DiagnosisRun.h"
#include "graphics/WheelFrame.h"
#include "platform/EventBoundary.h"
#include "records/PersonTable.h"
#include "records/SunSeparations.h"
#include "records/WriteBackPerson.h"

namespace celmora::records {

RecordsModule::RecordsModule(const platform::Services& services) : services_(services) {}

RecordsModule::~RecordsModule() = default;

PersonTable& RecordsModule::persons()
{
    if (persons_ == nullptr) {
        persons_ = std::make_unique<PersonTable>(*services_.tables, services_.dirs.personDir());
        platform::guarded(*services_.messages, [this] {
            persons_->createMissingLists();
            persons_->open(PersonList::First);
        });
    }
    return *persons_;
}

void RecordsModule::wire(core::DiagnosisRun& run, const graphics::WheelFrame& frame)
{
    run.setStep(core::DiagnosisStep::WriteBackPerson, [this, &frame](core::DiagnosisContext& c) {
        if (!personWriteBack_) return;
        SunSeparations sun;
        for (int k = 2; k <= 13; ++k) sun[k] = frame.separation[1][k];
        WriteBackPerson(persons(), c.chart, c.input, sun);
    });
}

}  // namespace celmora::records
