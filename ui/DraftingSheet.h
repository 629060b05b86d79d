// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CardSource.h"

#include <QColor>
#include <QWidget>

#include <optional>

// The main window's ground, one colour, with the pale drafting sheet at its
// top left, unscaled. The sheet is drawn from its source in every paint, within
// the part being painted, so it holds no window-sized image in memory and stays
// sharp at any pixel ratio.
class DraftingSheet : public QWidget {
public:
    DraftingSheet(const QColor &ground, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<CardSource> m_sheet;
};
