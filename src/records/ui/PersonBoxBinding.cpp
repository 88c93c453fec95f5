// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "records/ui/PersonBoxBinding.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScopedValueRollback>

#include "platform/EventBoundary.h"
#include "platform/Table.h"
#include "platform/qt/GuardedConnect.h"
#include "records/PersonFields.h"
#include "records/PersonTable.h"

namespace celmora::records {

namespace {

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

void showText(QLineEdit* box, const QString& text)
{
    if (box->text() != text) box->setText(text);
}

void showText(QComboBox* box, const QString& text)
{
    if (box->isEditable()) {
        if (box->currentText() != text) box->setCurrentText(text);
    } else {
        box->setCurrentIndex(box->findText(text));  // -1 (blank) for an empty field
    }
}

// Characters each field holds (the layout's text sizes).
int fieldSize(std::string_view field)
{
    for (const auto& def : PersonTable::definition().fields) {
        if (def.name == field) return def.size;
    }
    return 0;
}

}  // namespace

PersonBoxBinding::PersonBoxBinding(PersonTable& persons, const BirthBoxes& boxes, platform::Messages& messages,
                                   QObject* parent)
    : QObject(parent), persons_(persons), boxes_(boxes), messages_(messages)
{
    const auto bindLine = [this](QLineEdit* box, std::string_view field) {
        box->setMaxLength(fieldSize(field));
        platform::connectGuarded(box, &QLineEdit::textChanged, this, messages_,
                                 [this, field](const QString& text) { boxEdited(field, text); });
    };
    const auto bindCombo = [this](QComboBox* box, std::string_view field) {
        if (box->lineEdit() != nullptr) box->lineEdit()->setMaxLength(fieldSize(field));
        platform::connectGuarded(box, &QComboBox::currentTextChanged, this, messages_,
                                 [this, field](const QString& text) { boxEdited(field, text); });
    };
    bindLine(boxes_.NameDB, fields::name);
    bindCombo(boxes_.yyComboBox, fields::year);
    bindCombo(boxes_.mmComboBox, fields::month);
    bindCombo(boxes_.ddComboBox, fields::day);
    bindCombo(boxes_.hComboBox, fields::hour);
    bindCombo(boxes_.mComboBox, fields::minute);
    bindCombo(boxes_.DBsex, fields::sex);
    bindLine(boxes_.jisalbl, fields::timeDiff);

    listener_ = persons_.addListener([this](PersonTableChange) { load(); });
    load();
}

PersonBoxBinding::~PersonBoxBinding()
{
    persons_.removeListener(listener_);
}

void PersonBoxBinding::load()
{
    if (loading_ || !persons_.isOpen()) return;
    loading_ = true;
    platform::guarded(messages_, [&] {
        showText(boxes_.NameDB, q(persons_.field(fields::name)));
        showText(boxes_.yyComboBox, q(persons_.field(fields::year)));
        showText(boxes_.mmComboBox, q(persons_.field(fields::month)));
        showText(boxes_.ddComboBox, q(persons_.field(fields::day)));
        showText(boxes_.hComboBox, q(persons_.field(fields::hour)));
        showText(boxes_.mComboBox, q(persons_.field(fields::minute)));
        showText(boxes_.DBsex, q(persons_.field(fields::sex)));
        showText(boxes_.jisalbl, q(persons_.field(fields::timeDiff)));
    });
    loading_ = false;
}

void PersonBoxBinding::boxEdited(std::string_view field, const QString& text)
{
    if (loading_ || !persons_.isOpen()) return;
    const std::string value = text.toStdString();
    // The row's notice must not write the boxes back while typing.
    const QScopedValueRollback busy(loading_, true);
    if (persons_.field(field) != value) persons_.setField(field, value);
}

}  // namespace celmora::records
