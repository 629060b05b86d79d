// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnswerTile.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Leaving the window and coming back, or a menu in between, keeps the focus where it was.
bool staysInPlace(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

}  // namespace

AnswerTile::AnswerTile(QWidget *parent) : QAbstractButton(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void AnswerTile::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void AnswerTile::setBorder(int borderStyle)
{
    if (m_border == borderStyle)
        return;
    m_border = borderStyle;
    update();
}

void AnswerTile::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    // The border lies inside the tile: it takes room from the picture, not from the tile.
    const int inset = m_border != 0 ? 1 : 0;
    const QRect inner = rect().adjusted(inset, inset, -inset, -inset);
    painter.save();
    painter.setClipRect(inner);
    painter.drawPixmap(inner.topLeft(), m_picture);
    painter.restore();
    if (m_border != 0) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    // The keyboard focus is a dotted frame inside, apart from the hover border.
    if (hasFocus() && m_keyboardFocus) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(inner.adjusted(2, 2, -3, -3));
    }
}

void AnswerTile::mouseMoveEvent(QMouseEvent *event)
{
    emit hovered();
    QAbstractButton::mouseMoveEvent(event);
}

void AnswerTile::mousePressEvent(QMouseEvent *event)
{
    m_keyboardFocus = false;
    update();
    QAbstractButton::mousePressEvent(event);
}

void AnswerTile::focusInEvent(QFocusEvent *event)
{
    const Qt::FocusReason reason = event->reason();
    if (!staysInPlace(reason))
        m_keyboardFocus =
            reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
    QAbstractButton::focusInEvent(event);
}

void AnswerTile::focusOutEvent(QFocusEvent *event)
{
    if (!staysInPlace(event->reason()))
        m_keyboardFocus = false;
    QAbstractButton::focusOutEvent(event);
}

void AnswerTile::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
