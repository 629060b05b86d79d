#include "AnswerTile.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

AnswerTile::AnswerTile(QWidget *parent) : QWidget(parent)
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
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(inner.adjusted(2, 2, -3, -3));
    }
}

void AnswerTile::mouseMoveEvent(QMouseEvent *event)
{
    emit hovered();
    QWidget::mouseMoveEvent(event);
}

void AnswerTile::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    QWidget::mousePressEvent(event);
}

void AnswerTile::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a press and a release of the left button; the tile may have
    // moved up a pixel under the pointer in between, which still counts.
    const bool click = m_pressed && event->button() == Qt::LeftButton;
    m_pressed = false;
    if (click)
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

void AnswerTile::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit clicked();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
