// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MasteryCellAccessible.h"

#include "MasteryMap.h"

MasteryCellAccessible::MasteryCellAccessible(MasteryMap *map, int question) : m_map(map), m_question(question) {}

bool MasteryCellAccessible::isValid() const
{
    return !m_map.isNull();
}

QWindow *MasteryCellAccessible::window() const
{
    return m_map ? m_map->window()->windowHandle() : nullptr;
}

QAccessibleInterface *MasteryCellAccessible::parent() const
{
    return m_map ? QAccessible::queryAccessibleInterface(m_map.data()) : nullptr;
}

QString MasteryCellAccessible::text(QAccessible::Text t) const
{
    return m_map && t == QAccessible::Name ? m_map->cellText(m_question) : QString();
}

QRect MasteryCellAccessible::rect() const
{
    if (!m_map)
        return {};
    const QRect cell = m_map->cellRect(m_question);
    return QRect(m_map->mapToGlobal(cell.topLeft()), cell.size());
}

QAccessible::State MasteryCellAccessible::state() const
{
    QAccessible::State result;
    if (!m_map)
        return result;
    result.focusable = true;
    result.focused = m_map->hasFocus() && m_map->currentCell() == m_question;
    result.invisible = !m_map->isVisible();
    return result;
}
