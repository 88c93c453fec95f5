// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The composition root shared by the workstation and the command-line program: it
// creates every computation module once, wires the Diagnose run's steps, and hands
// the modules out. Screens and commands never create modules themselves.
//
//   in:  platform::Services (tables, settings, messages, clock, program folder, ...)
//   out: the long-lived modules, alive until the Workstation is destroyed
//
// Creation order: a module is created after the modules it holds references to. The
// start-up effects: the house-table component opens Tokyo; the person lists are
// created when missing and list 1 is opened.

#include "graphics/SignStyle.h"
#include "platform/Services.h"
#include "records/SunSeparations.h"

#include <memory>
#include <string>

namespace celmora::core {
struct ChartRecord;
class DiagnosisRun;
class TDatacalc1;
class Tkoyomifrm;
class Tmandata;
class Tsitukofrm;
}  // namespace celmora::core
namespace celmora::records {
class PersonTable;
}
namespace celmora::graphics {
struct WheelFrame;
}
namespace celmora::western {
class AspectTable;
struct AspectMatrix;
}  // namespace celmora::western
namespace celmora::print {
class PrinterPageModule;
}

namespace celmora::app {

class Workstation {
public:
    // `services` must outlive the Workstation (its pointers are used throughout).
    explicit Workstation(const platform::Services& services);
    ~Workstation();
    Workstation(const Workstation&) = delete;
    Workstation& operator=(const Workstation&) = delete;

    const platform::Services& services() const { return services_; }

    core::TDatacalc1& datacalc() { return *datacalc_; }
    core::Tmandata& mandata() { return *mandata_; }
    core::ChartRecord& chart();
    core::Tkoyomifrm& koyomi() { return *koyomi_; }
    core::Tsitukofrm& houses() { return *houses_; }
    core::DiagnosisRun& run() { return *run_; }

    // The person lists: list 1 is open from start-up (both created empty when missing).
    records::PersonTable& persons() { return *persons_; }
    // Step 18 writes the chart summary into the current person row. On in the
    // workstation; a command-line run turns it on only when asked to save.
    void setPersonWriteBack(bool enabled) { personWriteBack_ = enabled; }
    bool personWriteBack() const { return personWriteBack_; }

    // The printer page module, measured again at the start of every Diagnose run.
    print::PrinterPageModule& printerPage() { return *printerPage_; }

    // The natal wheel's frame of the main chart, computed by step 13 (headless; the
    // wheel window draws from it) and read by every Western reading.
    graphics::WheelFrame& wheelFrame() { return *wheelFrame_; }
    // Sign pictures or symbols on both wheels, switched from either wheel's menu.
    graphics::SignStyle& signStyle() { return signStyle_; }
    // The aspect definitions ("ASPECT.db"), loaded at start-up, and the natal aspect
    // flags that step 14 fills.
    western::AspectTable& aspectTable() { return *aspectTable_; }
    western::AspectMatrix& aspectMatrix() { return *aspectMatrix_; }
    // Reads "ASPECT.db" again (the settings window's "閉じる"); "" when it loaded, else
    // why it could not be opened (the definitions are then empty).
    std::string reloadAspectTable();

private:
    void wireDiagnosisRun();
    void measurePrinter();
    // The Sun's row of the natal wheel's separation matrix, as step 18 writes it; all 0
    // until step 13 has run.
    records::SunSeparations sunSeparations() const;

    platform::Services services_;
    std::unique_ptr<core::TDatacalc1> datacalc_;
    std::unique_ptr<core::Tmandata> mandata_;
    std::unique_ptr<core::Tkoyomifrm> koyomi_;
    std::unique_ptr<core::Tsitukofrm> houses_;
    std::unique_ptr<core::DiagnosisRun> run_;
    std::unique_ptr<print::PrinterPageModule> printerPage_;
    std::unique_ptr<records::PersonTable> persons_;
    bool personWriteBack_ = true;
    std::unique_ptr<graphics::WheelFrame> wheelFrame_;
    graphics::SignStyle signStyle_ = graphics::SignStyle::Picture;
    std::unique_ptr<western::AspectTable> aspectTable_;
    std::unique_ptr<western::AspectMatrix> aspectMatrix_;
};

}  // namespace celmora::app
