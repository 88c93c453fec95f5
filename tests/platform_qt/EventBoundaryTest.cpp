// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
// One table of errors, two boundaries: guarded() for toolkit-free code and the
// GuardedApplication every event of the workstation passes through.
#include "TestSupport.h"
#include "platform/EventBoundary.h"
#include "platform/qt/GuardedApplication.h"

#include <QEventLoop>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace celmora::platform {
namespace {

using platform_qt_test::applicationMessages;

struct ErrorCase {
    const char* name;
    std::function<void()> command;
    std::vector<RecordedMessage> expected;
};

const std::vector<ErrorCase>& errorCases()
{
    static const std::vector<ErrorCase> cases{
        {"CommandError", [] { throw CommandError("生年月日が正しくありません"); },
         {{MessageKind::Error, "生年月日が正しくありません"}}},
        {"RangeError", [] { throw RangeError("配列の範囲外です"); }, {{MessageKind::Error, "配列の範囲外です"}}},
        {"CommandAborted", [] { throw CommandAborted(); }, {}},
        {"StdException", [] { throw std::out_of_range("vector::at"); },
         {{MessageKind::Error, "内部エラーが発生しました: vector::at"}}},
        {"NotAnException", [] { throw 42; }, {{MessageKind::Error, "内部エラーが発生しました: 不明なエラー"}}},
    };
    return cases;
}

class Boundary : public ::testing::TestWithParam<ErrorCase> {
protected:
    void SetUp() override { applicationMessages().list.clear(); }
    void TearDown() override { applicationMessages().list.clear(); }
};

TEST_P(Boundary, GuardedReportsTheErrorAndReturnsFalse)
{
    RecordingMessages messages;
    EXPECT_FALSE(guarded(messages, GetParam().command));
    EXPECT_EQ(messages.list, GetParam().expected);
}

TEST_P(Boundary, GuardedMainReportsTheErrorAndExitsWithOne)
{
    RecordingMessages messages;
    EXPECT_EQ(guardedMain(messages, [&]() -> int {
                  GetParam().command();
                  return 0;
              }),
              1);
    EXPECT_EQ(messages.list, GetParam().expected);
}

TEST_P(Boundary, ErrorInAnEventHandlerEndsOnlyThatHandler)
{
    QEventLoop loop;
    bool nextEventRan = false;
    QTimer::singleShot(0, &loop, GetParam().command);
    QTimer::singleShot(20, &loop, [&] {
        nextEventRan = true;
        loop.quit();
    });
    loop.exec();
    EXPECT_TRUE(nextEventRan);
    EXPECT_EQ(applicationMessages().list, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Errors, Boundary, ::testing::ValuesIn(errorCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EventBoundary, CommandThatSucceedsShowsNothing)
{
    RecordingMessages messages;
    int runs = 0;
    EXPECT_TRUE(guarded(messages, [&] { ++runs; }));
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(guardedMain(messages, [] { return 3; }), 3);
    EXPECT_TRUE(messages.list.empty());
}

TEST(EventBoundary, ButtonThatThrowsKeepsWorking)
{
    applicationMessages().list.clear();
    QPushButton button("診断(&S)");
    button.show();
    int presses = 0;
    QObject::connect(&button, &QPushButton::clicked, &button, [&presses] {
        ++presses;
        throw ConversionError("時刻が数字ではありません");
    });
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(presses, 2);
    EXPECT_EQ(applicationMessages().texts(),
              (std::vector<std::string>{"時刻が数字ではありません", "時刻が数字ではありません"}));
    EXPECT_TRUE(button.isEnabled());
    applicationMessages().list.clear();
}

TEST(EventBoundary, ApplicationFallsBackToItsOwnBoxes)
{
    auto* app = dynamic_cast<GuardedApplication*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    RecordingMessages other;
    app->setMessages(&other);
    EXPECT_EQ(&app->messages(), &other);
    app->setMessages(nullptr);
    EXPECT_NE(&app->messages(), &other);
    EXPECT_NE(&app->messages(), &applicationMessages());
    app->setMessages(&applicationMessages());
}

}  // namespace
}  // namespace celmora::platform
