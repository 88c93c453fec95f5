// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The person records as one module: the two person lists and the write-back of each
// Diagnose run's summary into the current person row (step 18).
//
//   in:  platform::Services (tables, messages, the user folder), the main chart and
//        the natal wheel's frame (the Sun's separations) after steps 13-14
//   out: the person row of the diagnosed person
//
// The lists are opened on first use: a command that never touches a person (a
// command-line diagnosis of typed birth data) neither opens nor creates a list.

#include "platform/Services.h"

#include <memory>

namespace celmora::core {
class DiagnosisRun;
}
namespace celmora::graphics {
struct WheelFrame;
}

namespace celmora::records {

class PersonTable;

class RecordsModule {
public:
    // `services` must outlive the module.
    explicit RecordsModule(const platform::Services& services);
    ~RecordsModule();
    RecordsModule(const RecordsModule&) = delete;
    RecordsModule& operator=(const RecordsModule&) = delete;

    // Sets step 18: the chart summary into the current person row, with the Sun's
    // separations read from `frame` (the natal wheel's, filled by step 13).
    void wire(core::DiagnosisRun& run, const graphics::WheelFrame& frame);

    const platform::Services& services() const { return services_; }

    // The person lists. On first use both are created when missing and list 1 is
    // opened; a damaged list does not stop that use: the engine's error is shown and
    // no list is open (whatever needs one reports it again).
    PersonTable& persons();
    // Whether the lists were touched at all (nothing opened or created otherwise).
    bool personsInUse() const { return persons_ != nullptr; }

    // Step 18 writes the chart summary into the current person row. On in the
    // workstation; a command-line run turns it on only when asked to save.
    void setPersonWriteBack(bool enabled) { personWriteBack_ = enabled; }
    bool personWriteBack() const { return personWriteBack_; }

private:
    const platform::Services& services_;
    std::unique_ptr<PersonTable> persons_;
    bool personWriteBack_ = true;
};

}  // namespace celmora::records
