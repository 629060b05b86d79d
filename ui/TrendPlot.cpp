// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrendPlot.h"

#include <QDateTime>
#include <QLocale>
#include <QPainter>
#include <QPolygonF>
#include <QtMath>

#include <algorithm>
#include <utility>

namespace {

QString day(qint64 ms)
{
    return QLocale().toString(QDateTime::fromMSecsSinceEpoch(ms).date(), QLocale::ShortFormat);
}

}  // namespace

TrendPlot::TrendPlot(QWidget *parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("Series averages over time"));
    setMinimumSize(320, 140);
    setFocusPolicy(Qt::TabFocus);
}

void TrendPlot::setSeries(std::vector<SeriesAverage> series)
{
    m_series = std::move(series);
    setAccessibleDescription(summary(m_series));
    setToolTip(summary(m_series));
    update();
}

QString TrendPlot::summary(const std::vector<SeriesAverage> &series)
{
    if (series.empty())
        return QStringLiteral("No series played yet.");
    const auto best = std::max_element(series.begin(), series.end(),
                                       [](const SeriesAverage &a, const SeriesAverage &b) { return a.average < b.average; });
    if (series.size() == 1)
        return QStringLiteral("1 series, on %1: average %2 %.").arg(day(series.front().startedAt)).arg(qRound(series.front().average));
    return QStringLiteral("%1 series from %2 to %3. First average %4 %, last %5 %, best %6 % on %7.")
        .arg(series.size())
        .arg(day(series.front().startedAt), day(series.back().startedAt))
        .arg(qRound(series.front().average))
        .arg(qRound(series.back().average))
        .arg(qRound(best->average))
        .arg(day(best->startedAt));
}

void TrendPlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    const QFontMetrics metrics = painter.fontMetrics();
    const int left = metrics.horizontalAdvance(QStringLiteral("100 %")) + 8;
    const QRectF area(left, 8, width() - left - 12, height() - 16 - metrics.height() - 4);

    painter.setPen(QPen(palette().mid().color(), 1));
    for (int percent = 0; percent <= 100; percent += 25) {
        const double y = area.bottom() - area.height() * percent / 100.0;
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(palette().text().color());
        painter.drawText(QRectF(0, y - metrics.height() / 2.0, left - 6, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 %").arg(percent));
        painter.setPen(QPen(palette().mid().color(), 1));
    }
    if (m_series.empty()) {
        painter.setPen(palette().text().color());
        painter.drawText(area, Qt::AlignCenter, QStringLiteral("No series played yet"));
        return;
    }

    const qint64 first = m_series.front().startedAt, last = m_series.back().startedAt;
    const auto span = static_cast<double>(std::max<qint64>(last - first, 1));
    const auto pointOf = [&](const SeriesAverage &s) {
        const double x = m_series.size() == 1 ? area.center().x() : area.left() + area.width() * static_cast<double>(s.startedAt - first) / span;
        return QPointF(x, area.bottom() - area.height() * std::clamp(s.average, 0.0, 100.0) / 100.0);
    };
    // Many series share a pixel column: the line keeps each column's lowest and highest average only, which
    // draws the same picture as a point for each series at a fraction of the cost.
    QPolygonF line;
    for (const SeriesAverage &s : m_series) {
        const QPointF point = pointOf(s);
        const bool sameColumn = line.size() >= 2 && qFloor(line[line.size() - 2].x()) == qFloor(point.x())
                                && qFloor(line.last().x()) == qFloor(point.x());
        if (!sameColumn) {
            line << point;
            continue;
        }
        QPointF &low = line[line.size() - 2], &high = line.last();
        if (low.y() < high.y())
            std::swap(low, high);  // the lower point on screen first
        low.setY(std::max(low.y(), point.y()));
        high.setY(std::min(high.y(), point.y()));
    }
    const QColor ink(40, 90, 200);
    painter.setPen(QPen(ink, 2));
    painter.drawPolyline(line);
    if (m_series.size() <= 60) {  // dots while they stay apart
        painter.setBrush(ink);
        for (const SeriesAverage &s : m_series)
            painter.drawEllipse(pointOf(s), 3, 3);
    }

    painter.setPen(palette().text().color());
    const QRectF dates(area.left(), area.bottom() + 4, area.width(), metrics.height());
    painter.drawText(dates, Qt::AlignLeft, day(first));
    if (day(last) != day(first)) {
        painter.drawText(dates, Qt::AlignRight, day(last));
        painter.drawText(dates, Qt::AlignHCenter, day(first + (last - first) / 2));
    }
}
