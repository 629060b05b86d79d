// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ResultRows.h"

#include <QWidget>

#include <vector>

// A surface that text is printed on, line under line from the top. It keeps
// what was printed and draws it again whenever it is uncovered or moved,
// until it is cleared. Zone separators move to the next multiple of 14
// average character widths.
class KeptTextSurface : public QWidget {
    Q_OBJECT

public:
    explicit KeptTextSurface(QWidget *parent = nullptr);

    void clear();
    void print(const PrintLine &line);
    void print(const QString &text);

    const std::vector<PrintLine> &lines() const { return m_lines; }
    // The height the printed lines need, and the width of the widest, in pixels.
    int contentHeight() const;
    int contentWidth() const;

    // What the surface reads as text: one line each, zone moves filled with
    // blanks as in the report file.
    QString text() const;
    // Where the character at an offset of text() is drawn, and back.
    QRect characterRect(int offset) const;
    int offsetAt(const QPoint &point) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int zoneWidth() const;
    // The left edge of each item of the line, and where the last one ends.
    std::vector<int> itemEdges(const PrintLine &line) const;
    // The left edge of each character of the line as laid out in text(), and its right end.
    std::vector<int> characterEdges(const PrintLine &line) const;

    std::vector<PrintLine> m_lines;
};
