// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QPixmap>

// One answer tile: a button that shows its picture at the picture's own size
// from the inner top-left corner, clipped, on the desktop's window-background
// colour. Space, Enter or a click answers with it. Its focus frame shows only
// while the keyboard brought the focus, so it never looks like a preselection.
class AnswerTile : public QAbstractButton {
    Q_OBJECT

public:
    explicit AnswerTile(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    void setBorder(int borderStyle);
    int border() const { return m_border; }

signals:
    void hovered();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QPixmap m_picture;
    int m_border = 0;
    bool m_keyboardFocus = false;
};
