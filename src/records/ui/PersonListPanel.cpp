// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "records/ui/PersonListPanel.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/EventBoundary.h"
#include "platform/Messages.h"
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
    connect(addButton("gotop", "先頭(&F)"), &QPushButton::clicked, this, &PersonListPanel::gotopClick);
    connect(addButton("gomae", "1つ前(&P)"), &QPushButton::clicked, this, &PersonListPanel::gomaeClick);
    connect(addButton("gosaki", "1つ先(&N)"), &QPushButton::clicked, this, &PersonListPanel::gosakiClick);
    connect(addButton("golast", "最後(&L)"), &QPushButton::clicked, this, &PersonListPanel::golastClick);
    connect(addButton("gonnew", "新規作成(&I)"), &QPushButton::clicked, this, &PersonListPanel::gonnewClick);
    connect(addButton("gotoroku", "ﾃﾞｰﾀ登録(&P)"), &QPushButton::clicked, this, &PersonListPanel::gotorokuClick);
    connect(addButton("godel", "ﾃﾞｰﾀ削除(&D)"), &QPushButton::clicked, this, &PersonListPanel::godelClick);
    connect(addButton("sortbtn", "並び替え"), &QPushButton::clicked, this, &PersonListPanel::sortbtnClick);

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
    platform::guarded(messages_, [&] { persons_.first(); });
}

void PersonListPanel::gomaeClick()
{
    platform::guarded(messages_, [&] { persons_.prior(); });
}

void PersonListPanel::gosakiClick()
{
    platform::guarded(messages_, [&] { persons_.next(); });
}

void PersonListPanel::golastClick()
{
    platform::guarded(messages_, [&] { persons_.last(); });
}

void PersonListPanel::gonnewClick()
{
    if (platform::guarded(messages_, [&] { persons_.appendNew(); })) boxes_.NameDB->setFocus();
}

void PersonListPanel::gotorokuClick()
{
    platform::guarded(messages_, [&] { persons_.save(); });
}

void PersonListPanel::godelClick()
{
    if (persons_.rowCount() == 0) return;
    if (!messages_.askYesNo(deleteQuestion)) return;
    platform::guarded(messages_, [&] { persons_.deleteCurrent(); });
}

Tsortfrm& PersonListPanel::sortScreen()
{
    if (sortScreen_ == nullptr) sortScreen_ = new Tsortfrm(persons_, messages_, window());
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
