// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MasteryMapAccessible.h"

#include "MasteryCellAccessible.h"
#include "MasteryMap.h"
#include "QuestionBank.h"

MasteryMapAccessible::MasteryMapAccessible(MasteryMap *map)
    : QAccessibleWidget(map, QAccessible::Grouping), m_cells(QuestionBank::kQuestionTotal, 0)
{
}

MasteryMapAccessible::~MasteryMapAccessible()
{
    for (QAccessible::Id id : m_cells) {
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
    }
}

MasteryMap *MasteryMapAccessible::map() const
{
    return static_cast<MasteryMap *>(widget());
}

int MasteryMapAccessible::childCount() const
{
    return static_cast<int>(m_cells.size());
}

QAccessibleInterface *MasteryMapAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    QAccessible::Id &id = m_cells[static_cast<std::size_t>(index)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(new MasteryCellAccessible(map(), index + 1));
    return QAccessible::accessibleInterface(id);
}

int MasteryMapAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const auto *cell = dynamic_cast<const MasteryCellAccessible *>(child);
    return cell && cell->parent() == this ? cell->question() - 1 : -1;
}

QAccessibleInterface *MasteryMapAccessible::childAt(int x, int y) const
{
    const int question = map()->cellAt(map()->mapFromGlobal(QPoint(x, y)));
    return question ? child(question - 1) : nullptr;
}

QAccessibleInterface *MasteryMapAccessible::focusChild() const
{
    return map()->hasFocus() ? child(map()->currentCell() - 1) : nullptr;
}
