// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// "アスペクトの設定": the aspect definitions "ASPECT.db" in a grid with a memo editor.
// Edits go into the file at once; the definitions the Diagnose run uses are read
// again only when the window is closed with "閉じる" (and at the next start).

#include <QWidget>

#include <memory>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QToolBar;

namespace celmora::platform {
class Table;
}

namespace celmora::western {

class WesternModule;

class AspectDefinitionsModel;

inline constexpr const char* aspectSettingsStatus =
    "データを修正したり追加した後は、必ず再起動してください。  再起動後診断結果に反映されます。";

class Taspectsetfrm : public QWidget {
    Q_OBJECT

public:
    explicit Taspectsetfrm(WesternModule& western, QWidget* parent = nullptr);
    ~Taspectsetfrm() override;

    // Why "ASPECT.db" could not be opened, "" when it is open.
    const std::string& openError() const { return openError_; }

    QToolBar* navigator = nullptr;
    QTableView* grid = nullptr;
    QPlainTextEdit* memo = nullptr;
    QPushButton* CloseBtn = nullptr;
    QLabel* status = nullptr;

    // "閉じる": keep the memo, read the definitions again, close.
    void CloseBtnClick();
    // Writes the memo editor into the current row when it was changed.
    void saveMemo();

private:
    void buildNavigator();
    void showRow(int row);

    WesternModule& western_;
    std::unique_ptr<platform::Table> table_;
    AspectDefinitionsModel* model_ = nullptr;
    std::string openError_;
    int memoRow_ = -1;
};

}  // namespace celmora::western
