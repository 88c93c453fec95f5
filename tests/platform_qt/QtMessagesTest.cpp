// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "platform/qt/QtMessages.h"

namespace celmora::platform {
namespace {

struct SeenBox {
    QString title, text, parentName;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Answers the next message box by pressing `answer` and returns what it showed.
// The box runs its own event loop; a timer inside that loop finds and answers it.
SeenBox answerNextBox(QMessageBox::StandardButton answer, const std::function<void()>& open)
{
    SeenBox seen;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        poll.stop();
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.parentName = box->parentWidget() ? box->parentWidget()->objectName() : QString();
        for (QAbstractButton* b : box->buttons()) seen.buttons << b->text();
        seen.buttons.sort();
        box->button(answer)->click();
    });
    poll.start();
    open();
    return seen;
}

struct QuestionCase {
    const char* name;
    QMessageBox::StandardButton press;
    bool expected;
};

class YesNoQuestion : public ::testing::TestWithParam<QuestionCase> {};

TEST_P(YesNoQuestion, ReturnsTheAnswerFromAJapaneseBox)
{
    QtMessages messages;
    bool answer = !GetParam().expected;
    const SeenBox seen = answerNextBox(GetParam().press, [&] { answer = messages.askYesNo("削除しますか？"); });
    EXPECT_EQ(answer, GetParam().expected);
    EXPECT_EQ(seen.title, "Celmora Pro");
    EXPECT_EQ(seen.text, "削除しますか？");
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons, (QStringList{"いいえ(&N)", "はい(&Y)"}));
}

INSTANTIATE_TEST_SUITE_P(Answers, YesNoQuestion,
                         ::testing::Values(QuestionCase{"Yes", QMessageBox::Yes, true},
                                           QuestionCase{"No", QMessageBox::No, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(QtMessages, InformationAndErrorShowTheirIconOverTheParent)
{
    QWidget window;
    window.setObjectName("mainWindow");
    QtMessages messages;
    messages.setParent(&window);
    EXPECT_EQ(messages.parent(), &window);

    SeenBox seen = answerNextBox(QMessageBox::Ok, [&] { messages.information("登録しました"); });
    EXPECT_EQ(seen.title, "Celmora Pro");
    EXPECT_EQ(seen.text, "登録しました");
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.parentName, "mainWindow");

    seen = answerNextBox(QMessageBox::Ok, [&] { messages.error("データがありません"); });
    EXPECT_EQ(seen.text, "データがありません");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
}

// The command of a second window reports: its box belongs to that window, not to the
// main window set as the parent (which would then come up over the asking window).
TEST(QtMessages, ABoxBelongsToTheActiveWindowOverTheParentWindow)
{
    QWidget mainWindow;
    mainWindow.setObjectName("mainWindow");
    QWidget asking(&mainWindow, Qt::Window);
    asking.setObjectName("askingWindow");
    mainWindow.show();
    asking.show();
    QApplication::setActiveWindow(&asking);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&asking));
    QtMessages messages(&mainWindow);

    SeenBox seen = answerNextBox(QMessageBox::Ok, [&] { messages.error("入力が正しくありません"); });
    EXPECT_EQ(seen.parentName, "askingWindow");
    // Once the box is gone the asking window has the keyboard again, not the main window.
    ASSERT_TRUE(QTest::qWaitForWindowActive(&asking));
    bool answer = false;
    seen = answerNextBox(QMessageBox::Yes, [&] { answer = messages.askYesNo("削除しますか？"); });
    EXPECT_TRUE(answer);
    EXPECT_EQ(seen.parentName, "askingWindow");
    EXPECT_TRUE(QTest::qWaitForWindowActive(&asking));

    // A window the command has just hidden cannot hold the box: the parent takes it.
    asking.hide();
    seen = answerNextBox(QMessageBox::Ok, [&] { messages.information("閉じました"); });
    EXPECT_EQ(seen.parentName, "mainWindow");
}

TEST(QtMessages, BusyCursorGivesWayWhileTheBoxIsOpen)
{
    QtMessages messages;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Qt::CursorShape during = Qt::WaitCursor;
    QTimer::singleShot(0, qApp, [&] { during = QApplication::overrideCursor()->shape(); });
    answerNextBox(QMessageBox::Ok, [&] { messages.information("処理中"); });
    EXPECT_EQ(during, Qt::ArrowCursor);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QApplication::restoreOverrideCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace celmora::platform
