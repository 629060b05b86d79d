// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CardVerb.h"

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QSize>

#include <memory>
#include <vector>

enum class MarkKind {
    Stroke,  // lines, members, supports, shapes, curves
    Fill,    // a filled shape; a text may stand on it
    Head,    // an arrowhead; its tip may touch what the arrow acts on
    Text,
};

// One mark of a picture, painted alone on a layer of its own.
struct Mark {
    MarkKind kind = MarkKind::Stroke;
    int command = 0;  // index of the command that drew it; marks of one command may touch
    int line = 0;
    Verb verb = Verb::Line;
    QPointF tip;          // heads only, in picture pixels
    std::vector<QPointF> ends;  // open lines: where they start and end
    int glyphPixels = 0;  // texts only: pixel size of the smallest glyphs, 0 for an empty text
    QString missing;      // texts only: characters the card face has no glyph for
    QImage layer;         // Alpha8, the picture's size times the scale
};

// Collects the marks of one picture while it is painted: each mark gets a
// fresh layer with the transform and clip of the picture.
class CardMarks {
public:
    CardMarks(QSize canvas, int frameHeight, double scale);
    ~CardMarks();
    CardMarks(const CardMarks &) = delete;
    CardMarks &operator=(const CardMarks &) = delete;

    // Ends the mark before and returns the painter for the new one.
    QPainter &open(const Mark &mark);
    // Ends the last mark and hands over all of them.
    std::vector<Mark> take();
    // Where the open line of the current mark starts and ends.
    void setEnds(std::vector<QPointF> ends) { m_marks.back().ends = std::move(ends); }
    void setMissing(const QString &characters) { m_marks.back().missing = characters; }
    double scale() const { return m_scale; }

private:
    QSize m_size;
    QRectF m_frame;
    double m_scale;
    std::vector<Mark> m_marks;
    std::unique_ptr<QPainter> m_painter;
};
