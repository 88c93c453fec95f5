// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
// connectGuarded(): a handler's error ends at the handler. The binary runs in a
// GuardedApplication whose own messages record what reaches notify(), the last resort:
// a guarded handler must leave them empty.
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Errors.h"
#include "platform/Messages.h"
#include "platform/qt/GuardedApplication.h"
#include "platform/qt/GuardedConnect.h"

using namespace celmora;
using platform::connectGuarded;
using platform::MessageKind;
using platform::RecordedMessage;

namespace {

// What reached GuardedApplication::notify().
platform::RecordingMessages& lastResort()
{
    static platform::RecordingMessages messages;
    return messages;
}

using Command = std::function<void()>;
using Messages = std::vector<RecordedMessage>;

}  // namespace

Q_DECLARE_METATYPE(Command)
Q_DECLARE_METATYPE(Messages)

// Signals of every arity the screens use, and one overloaded signal.
class Sender : public QObject {
    Q_OBJECT

signals:
    void none();
    void one(int n);
    void three(int n, const QString& text, double x);
    void changed(int n);
    void changed(const QString& text);
};

class Receiver : public QObject {
    Q_OBJECT

public:
    void noArgs() { calls.push_back("noArgs"); }
    void takeInt(int n) { calls.push_back("takeInt " + std::to_string(n)); }
    void takeAll(int n, const QString& text, double x)
    {
        calls.push_back("takeAll " + std::to_string(n) + " " + text.toStdString() + " " + std::to_string(x));
    }
    // A handler's result is dropped (QDialog::close returns one too).
    bool answer()
    {
        calls.push_back("answer");
        return true;
    }

    std::vector<std::string> calls;
};

class GuardedConnectTest : public QObject {
    Q_OBJECT

private slots:
    void init() { lastResort().list.clear(); }

    void errorEndsTheHandlerAndTheNextClickRuns_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<Messages>("perClick");
        QTest::addColumn<bool>("throws");
        QTest::newRow("CommandError shows its text")
            << Command([] { throw platform::CommandError("生年月日が正しくありません"); })
            << Messages{{MessageKind::Error, "生年月日が正しくありません"}} << true;
        QTest::newRow("TableError is a CommandError")
            << Command([] { throw platform::TableError("テーブル「人名DB」は使用中です"); })
            << Messages{{MessageKind::Error, "テーブル「人名DB」は使用中です"}} << true;
        QTest::newRow("CommandAborted shows nothing")
            << Command([] { throw platform::CommandAborted(); }) << Messages{} << true;
        QTest::newRow("a fault of the program")
            << Command([] { throw std::out_of_range("vector::at"); })
            << Messages{{MessageKind::Error, "内部エラーが発生しました: vector::at"}} << true;
        QTest::newRow("no error") << Command([] {}) << Messages{} << false;
    }
    void errorEndsTheHandlerAndTheNextClickRuns()
    {
        QFETCH(Command, command);
        QFETCH(Messages, perClick);
        QFETCH(bool, throws);
        platform::RecordingMessages messages;
        QWidget window;
        auto* button = new QPushButton("診断(&S)", &window);
        window.show();
        int runs = 0;
        int after = 0;
        connectGuarded(button, &QPushButton::clicked, &window, messages, [&] {
            ++runs;
            command();
            ++after;
        });

        // Through the event dispatch, as a user's click arrives.
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(messages.list, perClick);
        QTest::mouseClick(button, Qt::LeftButton);
        Messages twice = perClick;
        twice.insert(twice.end(), perClick.begin(), perClick.end());
        QCOMPARE(messages.list, twice);
        QCOMPARE(runs, 2);
        QCOMPARE(after, throws ? 0 : 2);  // an error ends the handler where it is thrown
        QVERIFY(lastResort().list.empty());

        // Emitted directly, with no event dispatch around it.
        emit button->clicked();
        QCOMPARE(runs, 3);
        QCOMPARE(messages.list.size(), 3 * perClick.size());
        QVERIFY(lastResort().list.empty());
    }

    // Shows that the last resort is watched: an unguarded handler's error lands there.
    void plainConnectReachesTheLastResort()
    {
        QPushButton button("診断(&S)");
        button.show();
        QObject::connect(&button, &QPushButton::clicked, &button,
                         [] { throw platform::CommandError("時刻が数字ではありません"); });
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(lastResort().texts(), std::vector<std::string>{"時刻が数字ではありません"});
    }

    void handlerTakesTheArgumentsItAccepts()
    {
        platform::RecordingMessages messages;
        Sender sender;
        Receiver receiver;
        std::vector<std::string> lambdaCalls;
        connectGuarded(&sender, &Sender::none, &receiver, messages, &Receiver::noArgs);
        connectGuarded(&sender, &Sender::one, &receiver, messages, &Receiver::takeInt);
        connectGuarded(&sender, &Sender::one, &receiver, messages, &Receiver::noArgs);
        connectGuarded(&sender, &Sender::three, &receiver, messages, &Receiver::takeAll);
        connectGuarded(&sender, &Sender::three, &receiver, messages, &Receiver::takeInt);
        connectGuarded(&sender, &Sender::three, &receiver, messages, &Receiver::answer);
        connectGuarded(&sender, &Sender::three, &receiver, messages, [&](int n, const QString& text) {
            lambdaCalls.push_back("two " + std::to_string(n) + " " + text.toStdString());
        });
        // A handler taking a copy, and a mutable one keeping its own count.
        connectGuarded(&sender, &Sender::three, &receiver, messages, [&, count = 0](int, QString text) mutable {
            lambdaCalls.push_back("copy " + text.toStdString() + " " + std::to_string(++count));
        });
        connectGuarded(&sender, qOverload<int>(&Sender::changed), &receiver, messages, &Receiver::takeInt);
        connectGuarded(&sender, qOverload<const QString&>(&Sender::changed), &receiver, messages,
                       [&](const QString& text) { lambdaCalls.push_back("text " + text.toStdString()); });

        emit sender.none();
        QCOMPARE(receiver.calls, std::vector<std::string>{"noArgs"});
        receiver.calls.clear();
        emit sender.one(7);
        QCOMPARE(receiver.calls, (std::vector<std::string>{"takeInt 7", "noArgs"}));
        receiver.calls.clear();
        emit sender.three(3, "東京", 0.5);
        emit sender.three(4, "那覇", 0.25);
        QCOMPARE(receiver.calls, (std::vector<std::string>{"takeAll 3 東京 0.500000", "takeInt 3", "answer",
                                                           "takeAll 4 那覇 0.250000", "takeInt 4", "answer"}));
        QCOMPARE(lambdaCalls, (std::vector<std::string>{"two 3 東京", "copy 東京 1", "two 4 那覇", "copy 那覇 2"}));
        receiver.calls.clear();
        lambdaCalls.clear();
        emit sender.changed(12);
        emit sender.changed(QString("牡羊"));
        QCOMPARE(receiver.calls, std::vector<std::string>{"takeInt 12"});
        QCOMPARE(lambdaCalls, std::vector<std::string>{"text 牡羊"});
        QVERIFY(messages.list.empty());
    }

    void errorFromAMemberHandlerWithArguments()
    {
        platform::RecordingMessages messages;
        Sender sender;
        Receiver receiver;
        connectGuarded(&sender, &Sender::three, &receiver, messages, [](int n, const QString& text) {
            if (n < 0) throw platform::RangeError(text.toStdString() + "の値が範囲外です");
        });
        connectGuarded(&sender, &Sender::three, &receiver, messages, &Receiver::takeInt);
        emit sender.three(-1, "度数", 0.0);
        // The error ends its own handler only; the next connection still runs.
        QCOMPARE(messages.texts(), std::vector<std::string>{"度数の値が範囲外です"});
        QCOMPARE(receiver.calls, std::vector<std::string>{"takeInt -1"});
    }

    void connectionEndsWithTheContext()
    {
        platform::RecordingMessages messages;
        Sender sender;
        auto receiver = std::make_unique<Receiver>();
        int lambdaRuns = 0;
        const QMetaObject::Connection byMember =
            connectGuarded(&sender, &Sender::one, receiver.get(), messages, &Receiver::takeInt);
        const QMetaObject::Connection byLambda =
            connectGuarded(&sender, &Sender::one, receiver.get(), messages, [&lambdaRuns] { ++lambdaRuns; });
        emit sender.one(1);
        QCOMPARE(receiver->calls.size(), std::size_t{1});
        QCOMPARE(lambdaRuns, 1);
        QVERIFY(byMember);
        QVERIFY(byLambda);

        receiver.reset();
        QVERIFY(!byMember);
        QVERIFY(!byLambda);
        emit sender.one(2);
        QCOMPARE(lambdaRuns, 1);
        QVERIFY(messages.list.empty());
    }
};

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    platform::GuardedApplication app(argc, argv, lastResort());
    GuardedConnectTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "GuardedConnectTest.moc"
