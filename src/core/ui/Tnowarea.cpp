// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "core/ui/Tnowarea.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/JisaUnit.h"
#include "core/NowUnit1.h"
#include "platform/Messages.h"
#include "platform/qt/GuardedConnect.h"

namespace celmora::core {

Tnowarea::Tnowarea(Tsitukofrm& houses, ChartRecord& mainChart, platform::Messages& messages, QWidget* parent)
    : QDialog(parent), houses_(houses), mainChart_(mainChart), messages_(messages)
{
    setWindowTitle(QStringLiteral("現在の居住地"));

    ListBox1 = new QListWidget(this);
    for (int no = 1; no <= placeCount; ++no) ListBox1->addItem(QString::fromStdString(storedPlaceName(no)));
    auto* note = new QLabel(QStringLiteral("現在地の指定がない場合は、トランジット診断において、"
                                           "ASCとMCの２ツの惑星が出世の時と同じ位置に表示されます。"),
                            this);
    note->setWordWrap(true);
    auto* status = new QLabel(QStringLiteral("現在お住まいの地域で一番近い都市を指定して下さい。"), this);
    okbtn = new QPushButton(QStringLiteral("確認"), this);
    cancelbtn = new QPushButton(QStringLiteral("キャンセル"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okbtn);
    buttons->addWidget(cancelbtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListBox1, 1);
    layout->addWidget(note);
    layout->addLayout(buttons);
    layout->addWidget(status);

    using platform::connectGuarded;
    connectGuarded(ListBox1, &QListWidget::currentRowChanged, this, messages_, &Tnowarea::ListBox1Click);
    connectGuarded(okbtn, &QPushButton::clicked, this, messages_, &Tnowarea::okbtnClick);
    connectGuarded(cancelbtn, &QPushButton::clicked, this, messages_, &QDialog::reject);
}

void Tnowarea::ListBox1Click()
{
    const int row = ListBox1->currentRow();
    chosenPlace_ = row < 0 ? 0 : row + 1;
}

void Tnowarea::okbtnClick()
{
    if (chosenPlace_ == 0) {
        messages_.information("現在地が指定されていません。");
        return;
    }
    // A table that cannot be used has been reported; the screen stays open, as it does
    // when the transit run ends with an error.
    if (!SelectResidenceAngles(houses_, mainChart_, chosenPlace_)) return;
    messages_.information(
        "現在地が指定されました。この後、ASC,MC の位置を再計算するためトランジット診断を自動的に実行します。");
    if (transitRerun_) transitRerun_();
    accept();
}

}  // namespace celmora::core
