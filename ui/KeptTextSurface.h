// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ResultRows.h"

#include <QWidget>

#include <vector>

// A surface that text is printed on, line under line from the top. It keeps
// what was printed and draws it again whenever it is uncovered or moved,
// until it is cleared. Zone separators move to the next multiple of 14
// average character widths. It takes the keyboard and keeps a caret in its
// text, so the text can be read line by line with the arrow keys.
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

    int caret() const { return m_caret; }
    void setCaret(int offset);

signals:
    // The caret moved to this line, drawn at this place on the surface.
    void caretLineChanged(const QRect &line);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    int zoneWidth() const;
    // The left edge of each item of the line, and where the last one ends.
    std::vector<int> itemEdges(const PrintLine &line) const;
    // The left edge of each character of the line as laid out in text(), and its right end.
    std::vector<int> characterEdges(const PrintLine &line) const;

    // The first offset of every line of text(), and one past the end.
    std::vector<int> lineStarts() const;

    std::vector<PrintLine> m_lines;
    int m_caret = 0;
};
