// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The aspect table of "出生図詳細": the triangular grid, its two colour legends, the
// caption, and the button "アスペクトオーブ設定" that opens the settings window.

#include <QWidget>

class QLabel;
class QPushButton;
class QTableView;

namespace celmora::western {

class WesternModule;

class NatalAspectGridModel;
class Taspectsetfrm;

class NatalAspectPanel : public QWidget {
    Q_OBJECT

public:
    NatalAspectPanel(WesternModule& western, Taspectsetfrm& settings, QWidget* parent = nullptr);

    NatalAspectGridModel* model() const { return model_; }
    QTableView* grid() const { return grid_; }
    QPushButton* AspectEnv = nullptr;

    // Fills the grid from the last aspect build (after step 14 of the Diagnose run).
    void refresh();
    // Blanks the grid when a Diagnose run ended before the aspects.
    void clear();
    // Shows the settings window without blocking the main window (also the AI page's button).
    void AspectEnvClick();

private:
    WesternModule& western_;
    Taspectsetfrm& settings_;
    NatalAspectGridModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
};

}  // namespace celmora::western
