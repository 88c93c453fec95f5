// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "platform/qt/QtSound.h"

#include <QFileInfo>

#ifdef CELMORA_HAVE_QT_MULTIMEDIA
#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>
#endif

namespace celmora::platform {

#ifdef CELMORA_HAVE_QT_MULTIMEDIA
struct QtSound::Player {
    QMediaPlayer player;
    QAudioOutput output;
    Player() { player.setAudioOutput(&output); }
};
#else
struct QtSound::Player {};
#endif

QtSound::QtSound() = default;
QtSound::~QtSound() = default;

void QtSound::play(const std::string& wavPath)
{
    const QFileInfo file(QString::fromStdString(wavPath));
    if (!file.isFile()) return;
#ifdef CELMORA_HAVE_QT_MULTIMEDIA
    // Headless machines and containers have no output device; playing there would
    // only produce backend errors.
    if (QMediaDevices::audioOutputs().isEmpty()) return;
    if (!player_) player_ = std::make_unique<Player>();
    player_->player.stop();
    player_->player.setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    player_->player.play();
#endif
}

}  // namespace celmora::platform
