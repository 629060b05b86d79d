// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HistoryReader.h"

#include <QColor>
#include <QWidget>

#include <optional>
#include <vector>

// The questions in their order, ten to a row, each cell coloured by how its
// recent tries went: red at 0 %, amber at 50 %, green at 100 %, grey if never asked.
// One painted surface; a screen reader finds each cell as a child of its own,
// and the arrow keys walk the cells.
class MasteryMap : public QWidget {
    Q_OBJECT

public:
    explicit MasteryMap(QWidget *parent = nullptr);

    // `terms` holds the term of question q at index q.
    void setMastery(const std::vector<QuestionMastery> &mastery, const QStringList &terms);

    static QColor colourFor(std::optional<double> average);
    QColor cellColour(int question) const;
    QString cellText(int question) const;  // what a tool tip and a screen reader give
    QRect cellRect(int question) const;    // in the map's own coordinates
    int cellAt(const QPoint &point) const; // the question under a point, or 0
    int currentCell() const { return m_current; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void setCurrent(int question);

    std::vector<QColor> m_colours;  // index = question number - 1
    std::vector<QString> m_texts;
    int m_current = 1;
};
