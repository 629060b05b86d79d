// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DraftingSheet.h"

#include "CardPainter.h"
#include "ControlFactory.h"
#include "Pictures.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>

DraftingSheet::DraftingSheet(const QColor &ground, QWidget *parent)
    : QWidget(parent)
    , m_sheet(Pictures::source(QStringLiteral("drafting-sheet.cards"), QStringLiteral("window")))
{
    ControlFactory::setGround(this, ground);
    // The ground is a pattern of one colour, as under a sheet: the desktop style then outlines
    // the boxes on it in dark grey, which reads better on lilac than a darker lilac would.
    QPalette patterned = palette();
    QPixmap tile(8, 8);
    tile.fill(ground);
    patterned.setBrush(QPalette::Window, QBrush(ground, tile));
    setPalette(patterned);
}

void DraftingSheet::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (m_sheet && event->rect().intersects(QRect(QPoint(), m_sheet->canvas)))
        paintCard(painter, *m_sheet);
}
