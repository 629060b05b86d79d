// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CardMarks.h"

#include <cmath>

CardMarks::CardMarks(QSize canvas, int frameHeight, double scale)
    : m_size(static_cast<int>(std::lround(canvas.width() * scale)),
             static_cast<int>(std::lround(canvas.height() * scale))),
      m_frame(0, 0, canvas.width(), frameHeight),
      m_scale(scale)
{
}

CardMarks::~CardMarks() = default;

QPainter &CardMarks::open(const Mark &mark)
{
    m_painter.reset();  // ends the layer before
    m_marks.push_back(mark);
    QImage &layer = m_marks.back().layer;
    layer = QImage(m_size, QImage::Format_Alpha8);
    layer.fill(0);
    m_painter = std::make_unique<QPainter>(&layer);
    m_painter->setRenderHint(QPainter::Antialiasing);
    m_painter->setRenderHint(QPainter::TextAntialiasing);
    m_painter->scale(m_scale, m_scale);
    m_painter->setClipRect(m_frame);
    return *m_painter;
}

std::vector<Mark> CardMarks::take()
{
    m_painter.reset();
    return std::move(m_marks);
}
