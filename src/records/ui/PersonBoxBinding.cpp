// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "records/ui/PersonBoxBinding.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>

#include "platform/EventBoundary.h"
#include "platform/Messages.h"
#include "platform/Table.h"
#include "platform/qt/GuardedConnect.h"
#include "records/BirthFieldCheck.h"
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
    using platform::connectGuarded;
    const auto bindLine = [this](QLineEdit* box, std::string_view field) {
        box->setMaxLength(fieldSize(field));
        connectGuarded(box, &QLineEdit::textChanged, this, messages_,
                       [this, field](const QString& text) { boxEdited(field, text); });
        connectGuarded(box, &QLineEdit::editingFinished, this, messages_, [this, field] { boxPosted(field); });
    };
    const auto bindCombo = [this](QComboBox* box, std::string_view field) {
        connectGuarded(box, &QComboBox::currentTextChanged, this, messages_,
                       [this, field](const QString& text) { boxEdited(field, text); });
        connectGuarded(box, &QComboBox::activated, this, messages_, [this, field] { boxPosted(field); });
        if (QLineEdit* line = box->lineEdit()) {
            line->setMaxLength(fieldSize(field));
            connectGuarded(line, &QLineEdit::editingFinished, this, messages_, [this, field] { boxPosted(field); });
        }
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
        if (boxes_.arealbl) boxes_.arealbl->setText(q(persons_.area1()));
        for (std::string_view field :
             {fields::year, fields::month, fields::day, fields::hour, fields::minute, fields::timeDiff}) {
            posted_[field] = persons_.field(field);
        }
    });
    loading_ = false;
}

bool PersonBoxBinding::isTyping(std::string_view field) const
{
    const QWidget* box = nullptr;
    if (field == fields::year) box = boxes_.yyComboBox;
    if (field == fields::month) box = boxes_.mmComboBox;
    if (field == fields::day) box = boxes_.ddComboBox;
    if (field == fields::hour) box = boxes_.hComboBox;
    if (field == fields::minute) box = boxes_.mComboBox;
    if (field == fields::timeDiff) box = boxes_.jisalbl;
    // An editable combo box is the focus proxy of its line edit.
    return box != nullptr && box->hasFocus();
}

QString PersonBoxBinding::boxText(std::string_view field) const
{
    if (field == fields::name) return boxes_.NameDB->text();
    if (field == fields::year) return boxes_.yyComboBox->currentText();
    if (field == fields::month) return boxes_.mmComboBox->currentText();
    if (field == fields::day) return boxes_.ddComboBox->currentText();
    if (field == fields::hour) return boxes_.hComboBox->currentText();
    if (field == fields::minute) return boxes_.mComboBox->currentText();
    if (field == fields::sex) return boxes_.DBsex->currentText();
    return boxes_.jisalbl->text();
}

void PersonBoxBinding::showField(std::string_view field)
{
    const QScopedValueRollback busy(loading_, true);
    const QString value = q(persons_.field(field));
    if (field == fields::year) showText(boxes_.yyComboBox, value);
    if (field == fields::month) showText(boxes_.mmComboBox, value);
    if (field == fields::day) showText(boxes_.ddComboBox, value);
    if (field == fields::hour) showText(boxes_.hComboBox, value);
    if (field == fields::minute) showText(boxes_.mComboBox, value);
    if (field == fields::timeDiff) showText(boxes_.jisalbl, value);
}

void PersonBoxBinding::boxEdited(std::string_view field, const QString& text)
{
    if (loading_ || !persons_.isOpen()) return;
    const std::string value = text.toStdString();
    // While typing, a value the field may not hold (a year half typed, month 13) stays
    // in the box only; the row keeps readable values until the box is posted.
    if (birthFieldProblem(field, value, persons_.field(fields::year), persons_.field(fields::month)).empty()) {
        // The row's notice must not write the boxes back while typing.
        const QScopedValueRollback busy(loading_, true);
        if (persons_.field(field) != value) persons_.setField(field, value);
    }
    // A text the program set (an era year converted, a test) is posted at once.
    if (posted_.contains(field) && !isTyping(field)) boxPosted(field);
}

void PersonBoxBinding::boxPosted(std::string_view field)
{
    if (loading_ || !persons_.isOpen()) return;
    const std::string problem = birthFieldProblem(field, boxText(field).toStdString(), persons_.field(fields::year),
                                                  persons_.field(fields::month));
    if (problem.empty()) {
        posted_[field] = persons_.field(field);
        return;
    }
    if (persons_.field(field) != posted_[field]) {
        const QScopedValueRollback busy(loading_, true);
        persons_.setField(field, posted_[field]);
    }
    // The box first, then the message: the message box takes the focus, which posts the
    // box again, and by then it holds the valid value.
    showField(field);
    messages_.information(problem);
}

}  // namespace celmora::records
