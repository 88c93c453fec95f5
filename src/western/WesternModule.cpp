// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "western/WesternModule.h"

#include "core/DiagnosisRun.h"
#include "graphics/WheelFrame.h"
#include "western/ASPDB1.h"
#include "western/AspectUnit1.h"
#include "platform/Errors.h"
#include "platform/Messages.h"

#include <filesystem>
#include <system_error>

namespace celmora::western {

WesternModule::WesternModule(const platform::Services& services, graphics::WheelFrame& frame)
    : services_(services),
      frame_(frame),
      aspectTable_(std::make_unique<AspectTable>()),
      aspectMatrix_(std::make_unique<AspectMatrix>())
{
    reloadAspectTable();
}

WesternModule::~WesternModule() = default;

namespace {

std::filesystem::path aspectFile(const std::string& folder)
{
    return std::filesystem::path(folder) / (std::string(aspectTableName) + ".db");
}

}  // namespace

std::string WesternModule::reloadAspectTable()
{
    const std::string edited = services_.dirs.editedTextDir();
    std::error_code ec;
    const std::string folder = std::filesystem::exists(aspectFile(edited), ec) ? edited : services_.dirs.textDir();
    aspectLoadError_ = loadAspectTable(*aspectTable_, *services_.tables, folder, *services_.messages,
                                       services_.dirs.isInstalledData(folder));
    return aspectLoadError_;
}

std::string WesternModule::editableAspectFolder()
{
    const std::string edited = services_.dirs.editedTextDir();
    std::error_code ec;
    if (std::filesystem::exists(aspectFile(edited), ec)) return edited;
    std::filesystem::create_directories(edited, ec);
    if (!ec) {
        std::filesystem::copy_file(aspectFile(services_.dirs.textDir()), aspectFile(edited), ec);
        if (!ec) std::filesystem::permissions(aspectFile(edited), std::filesystem::perms::owner_write,
                                              std::filesystem::perm_options::add, ec);
    }
    if (ec) {
        throw platform::TableError("アスペクト定義表 ASPECT.db の編集用の写しをフォルダ「" + edited +
                                   "」に作れません。");
    }
    return edited;
}

void WesternModule::wire(core::DiagnosisRun& run)
{
    run.setStep(core::DiagnosisStep::Aspects, [this](core::DiagnosisContext& c) {
        if (!aspectLoadError_.empty()) {
            c.messages.error(aspectLoadError_);
            throw platform::CommandAborted();
        }
        buildAspectTable(c.chart, frame_, *aspectTable_, *aspectMatrix_);
    });
}

}  // namespace celmora::western
