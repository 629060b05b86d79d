// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DraftingSheet.h"

#include "CardPainter.h"
#include "Pictures.h"

#include <QPaintEvent>
#include <QPainter>

DraftingSheet::DraftingSheet(QWidget *parent)
    : QWidget(parent)
    , m_sheet(Pictures::source(QStringLiteral("pictures.cards"), QStringLiteral("window")))
{
}

void DraftingSheet::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (m_sheet && event->rect().intersects(QRect(QPoint(), m_sheet->canvas)))
        paintCard(painter, *m_sheet);
}
