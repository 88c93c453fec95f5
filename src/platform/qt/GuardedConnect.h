// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The event boundary of one screen handler: a signal connected with connectGuarded()
// runs its handler under guarded() (platform/EventBoundary.h), so an error ends that
// handler with its message and never reaches Qt's event dispatch. GuardedApplication's
// notify() stays behind it as the last resort for code that is not a connection.
//
//   connectGuarded(okbtn, &QPushButton::clicked, this, messages_, &Tjisafrm::okbtnClick);
//   connectGuarded(box, &QLineEdit::textChanged, this, messages_, [this](const QString& t) { ... });
//   connectGuarded(combo, qOverload<int>(&QComboBox::currentIndexChanged), this, messages_, ...);
//
// The handler is a member function of `context` or any callable. It receives the
// leading signal arguments it takes and not the rest (clicked(bool) runs a void f()).
// `context` is the connection's context object: the handler runs in its thread and the
// connection ends when it is destroyed.

#include <QObject>
#include <functional>
#include <type_traits>
#include <utility>

#include "platform/EventBoundary.h"

namespace celmora::platform {

namespace guarded_connect {

template <class Handler, class Context, class... Args>
constexpr bool takes()
{
    if constexpr (std::is_member_function_pointer_v<Handler>) {
        return std::is_invocable_v<Handler&, Context*, Args...>;
    } else {
        return std::is_invocable_v<Handler&, Args...>;
    }
}

// The functor Qt stores. Its call operator accepts exactly the argument lists the
// handler accepts, so Qt's own count of the slot's arguments drops the trailing
// signal arguments the handler does not take.
template <class Context, class Handler>
class Slot {
public:
    Slot(Context* context, Messages& messages, Handler handler)
        : context_(context), messages_(&messages), handler_(std::move(handler))
    {
    }

    template <class... Args>
    void operator()(Args&&... args) requires(takes<Handler, Context, Args...>())
    {
        guarded(*messages_, [&] {
            if constexpr (std::is_member_function_pointer_v<Handler>) {
                std::invoke(handler_, context_, std::forward<Args>(args)...);
            } else {
                std::invoke(handler_, std::forward<Args>(args)...);
            }
        });
    }

private:
    Context* context_;
    Messages* messages_;
    Handler handler_;
};

}  // namespace guarded_connect

// Connects `signal` of `sender` to `handler` under the event boundary; errors are
// reported through `messages`, which must outlive the connection.
template <class Sender, class Signal, class Context, class Handler>
QMetaObject::Connection connectGuarded(const Sender* sender, Signal signal, Context* context, Messages& messages,
                                       Handler handler, Qt::ConnectionType type = Qt::AutoConnection)
{
    static_assert(std::is_base_of_v<QObject, Context>, "the context of a connection is a QObject");
    return QObject::connect(sender, signal, context,
                            guarded_connect::Slot<Context, Handler>(context, messages, std::move(handler)), type);
}

}  // namespace celmora::platform
