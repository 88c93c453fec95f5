// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "records/ui/PersonListPanel.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "platform/Messages.h"
#include "platform/qt/GuardedConnect.h"
#include "platform/qt/ScreenFit.h"
#include "records/PersonTable.h"
#include "records/ui/PersonBoxBinding.h"
#include "records/ui/PersonSearchPanel.h"
#include "records/ui/sortUnit1.h"

namespace celmora::records {

PersonListPanel::PersonListPanel(PersonTable& persons, const BirthBoxes& boxes, platform::Messages& messages,
                                 QWidget* parent)
    : QWidget(parent), persons_(persons), boxes_(boxes), messages_(messages)
{
    setObjectName("PersonListPanel");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    buttonRow_ = new QWidget(this);
    auto* buttons = new QHBoxLayout(buttonRow_);
    buttons->setContentsMargins(0, 0, 0, 0);
    struct ButtonDef {
        const char* objectName;
        const char* caption;
        void (PersonListPanel::*handler)();
    };
    const ButtonDef buttonDefs[] = {
        {"gotop", "先頭(&F)", &PersonListPanel::gotopClick},
        {"gomae", "1つ前(&P)", &PersonListPanel::gomaeClick},
        {"gosaki", "1つ先(&N)", &PersonListPanel::gosakiClick},
        {"golast", "最後(&L)", &PersonListPanel::golastClick},
        {"gonnew", "新規作成(&I)", &PersonListPanel::gonnewClick},
        {"gotoroku", "ﾃﾞｰﾀ登録(&P)", &PersonListPanel::gotorokuClick},
        {"godel", "ﾃﾞｰﾀ削除(&D)", &PersonListPanel::godelClick},
        {"sortbtn", "並び替え", &PersonListPanel::sortbtnClick},
    };
    for (const ButtonDef& def : buttonDefs) {
        platform::connectGuarded(addButton(def.objectName, def.caption), &QPushButton::clicked, this, messages_,
                                 def.handler);
    }
    // The captions' access keys collide (&P twice): saving has a shortcut of its own,
    // on the data-entry page while it is shown.
    auto* save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    save->setObjectName("gotorokuShortcut");
    save->setContext(Qt::WindowShortcut);
    platform::connectGuarded(save, &QShortcut::activated, this, messages_, &PersonListPanel::gotorokuClick);
    button("gotoroku")->setToolTip("データを登録します (Ctrl+S)");

    search_ =
        new PersonSearchPanel(persons_, messages_, {"simeitxt", "srch1btn", "DBGrid1"}, personListColumns(), this);
    search_->addLeadingWidget(buttonRow_);
    layout->addWidget(search_, 1);

    binding_ = new PersonBoxBinding(persons_, boxes_, messages_, this);
}

PersonListPanel::~PersonListPanel() = default;

QPushButton* PersonListPanel::addButton(const char* objectName, const char* caption)
{
    auto* b = new QPushButton(QString::fromUtf8(caption), buttonRow_);
    b->setObjectName(objectName);
    buttonRow_->layout()->addWidget(b);
    return b;
}

QPushButton* PersonListPanel::button(const char* objectName) const
{
    return buttonRow_->findChild<QPushButton*>(objectName);
}

void PersonListPanel::gotopClick()
{
    persons_.first();
}

void PersonListPanel::gomaeClick()
{
    persons_.prior();
}

void PersonListPanel::gosakiClick()
{
    persons_.next();
}

void PersonListPanel::golastClick()
{
    persons_.last();
}

void PersonListPanel::gonnewClick()
{
    persons_.appendNew();
    boxes_.NameDB->setFocus();
}

void PersonListPanel::gotorokuClick()
{
    persons_.save();
}

void PersonListPanel::godelClick()
{
    if (persons_.rowCount() == 0) return;
    if (!messages_.askYesNo(deleteQuestion)) return;
    persons_.deleteCurrent();
}

Tsortfrm& PersonListPanel::sortScreen()
{
    if (sortScreen_ == nullptr) {
        sortScreen_ = new Tsortfrm(persons_, messages_, window());
        platform::keepOnScreenWhenShown(sortScreen_);
    }
    return *sortScreen_;
}

void PersonListPanel::sortbtnClick()
{
    Tsortfrm& screen = sortScreen();
    screen.show();
    screen.raise();
    screen.activateWindow();
}

}  // namespace celmora::records
