// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

#include <vector>

class MasteryMap;

// What a screen reader finds on the mastery map: a group of one hundred cells,
// each with its question's words as its name.
class MasteryMapAccessible : public QAccessibleWidget {
public:
    explicit MasteryMapAccessible(MasteryMap *map);
    ~MasteryMapAccessible() override;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

private:
    MasteryMap *map() const;

    mutable std::vector<QAccessible::Id> m_cells;  // registered on first asking; 0 until then
};
