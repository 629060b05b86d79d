// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HistoryReader.h"

#include <QColor>
#include <QWidget>

#include <optional>
#include <vector>

class QLabel;

// The questions in their order, ten to a row, each cell coloured by how its
// recent tries went: red at 0 %, amber at 50 %, green at 100 %, grey if never asked.
class MasteryMap : public QWidget {
    Q_OBJECT

public:
    explicit MasteryMap(QWidget *parent = nullptr);

    // `terms` holds the term of question q at index q.
    void setMastery(const std::vector<QuestionMastery> &mastery, const QStringList &terms);

    static QColor colourFor(std::optional<double> average);
    QColor cellColour(int question) const;
    QString cellText(int question) const;  // what a tool tip and a screen reader give

private:
    std::vector<QLabel *> m_cells;  // index = question number - 1
};
