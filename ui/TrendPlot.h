// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HistoryReader.h"

#include <QWidget>

#include <vector>

// The average of each series over time: dates along the bottom, 0 to 100 % up
// the side. A screen reader gets the same in words as the accessible description.
class TrendPlot : public QWidget {
    Q_OBJECT

public:
    explicit TrendPlot(QWidget *parent = nullptr);

    void setSeries(std::vector<SeriesAverage> series);
    static QString summary(const std::vector<SeriesAverage> &series);

    QSize sizeHint() const override { return {560, 180}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<SeriesAverage> m_series;
};
