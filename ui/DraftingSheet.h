// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CardSource.h"

#include <QWidget>

#include <optional>

// The pale drafting sheet at the top left of the main window, unscaled, over
// the window's ground. It is drawn from its source in every paint, within the
// part being painted, so it holds no window-sized image in memory and stays
// sharp at any pixel ratio.
class DraftingSheet : public QWidget {
public:
    explicit DraftingSheet(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<CardSource> m_sheet;
};
