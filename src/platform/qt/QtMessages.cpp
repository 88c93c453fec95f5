// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "platform/qt/QtMessages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>

namespace celmora::platform {

namespace {

constexpr char windowTitle[] = "Celmora Pro";

// A message often interrupts a long computation that set the busy cursor; the box
// gets the arrow while it is open and the busy cursor comes back afterwards.
class ArrowWhileOpen {
public:
    ArrowWhileOpen() : active_(QGuiApplication::overrideCursor() != nullptr)
    {
        if (active_) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~ArrowWhileOpen()
    {
        if (active_) QGuiApplication::restoreOverrideCursor();
    }
    ArrowWhileOpen(const ArrowWhileOpen&) = delete;
    ArrowWhileOpen& operator=(const ArrowWhileOpen&) = delete;

private:
    bool active_;
};

QMessageBox::StandardButton show(QWidget* parent, QMessageBox::Icon icon, const std::string& text,
                                 QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    ArrowWhileOpen arrow;
    QMessageBox box(icon, QString::fromUtf8(windowTitle), QString::fromStdString(text), buttons, parent);
    box.setDefaultButton(defaultButton);
    if (QAbstractButton* yes = box.button(QMessageBox::Yes)) yes->setText(QStringLiteral("はい(&Y)"));
    if (QAbstractButton* no = box.button(QMessageBox::No)) no->setText(QStringLiteral("いいえ(&N)"));
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    // The asking window takes the keyboard back, whatever the window system activates
    // once the box is gone, so that the next box of its command belongs to it too.
    if (parent && parent->isVisible()) parent->activateWindow();
    return answer;
}

}  // namespace

QtMessages::QtMessages(QWidget* parent) : parent_(parent) {}

void QtMessages::setParent(QWidget* parent)
{
    parent_ = parent;
}
QWidget* QtMessages::parent() const
{
    return parent_;
}

QWidget* QtMessages::owner() const
{
    for (QWidget* candidate : {QApplication::activeModalWidget(), QApplication::activeWindow()}) {
        // A window closed by the very command that reports would take the box with it.
        if (candidate && candidate->isVisible()) return candidate->window();
    }
    return parent_;
}

void QtMessages::information(const std::string& text)
{
    show(owner(), QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessages::error(const std::string& text)
{
    show(owner(), QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtMessages::askYesNo(const std::string& text)
{
    return show(owner(), QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

}  // namespace celmora::platform
