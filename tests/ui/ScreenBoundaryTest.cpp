// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
// A screen handler's error ends at the handler: the screen's messages show it and
// GuardedApplication::notify(), the last resort, never sees it. Own main(): the
// application object is a GuardedApplication that records what reaches notify().
#include <QCheckBox>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "platform/Messages.h"
#include "platform/Settings.h"
#include "platform/SettingsKeys.h"
#include "platform/qt/GuardedApplication.h"
#include "ui/DbCustomUnit.h"

using namespace celmora;

namespace {

platform::RecordingMessages& lastResort()
{
    static platform::RecordingMessages messages;
    return messages;
}

}  // namespace

class ScreenBoundaryTest : public QObject {
    Q_OBJECT

private slots:
    void init() { lastResort().list.clear(); }

    // The settings file's folder is a plain file, so the sound switch cannot be saved.
    void unwritableSettingsAreReportedByTheScreenAndTheNextClickWorks()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString notAFolder = dir.filePath("celmora");
        QFile file(notAFolder);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const std::string path = (notAFolder + "/celmora.ini").toStdString();
        const auto settings = platform::makeIniSettings(path);
        platform::RecordingMessages messages;
        ui::TDBCustomfrm screen(*settings, messages, nullptr);
        screen.show();

        QTest::mouseClick(screen.soundchk, Qt::LeftButton);
        QCOMPARE(messages.list.size(), std::size_t{1});
        QCOMPARE(messages.list[0].kind, platform::MessageKind::Error);
        const std::string expectedStart = "設定ファイル「" + path + "」に書き込めません（";
        QVERIFY2(messages.list[0].text.starts_with(expectedStart), messages.list[0].text.c_str());
        QVERIFY(lastResort().list.empty());

        // The next click runs the handler again: one more message, still none at notify().
        QTest::mouseClick(screen.soundchk, Qt::LeftButton);
        QCOMPARE(messages.list.size(), std::size_t{2});
        QVERIFY(lastResort().list.empty());
    }
};

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    platform::GuardedApplication app(argc, argv, lastResort());
    ScreenBoundaryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ScreenBoundaryTest.moc"
