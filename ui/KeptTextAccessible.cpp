// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeptTextAccessible.h"

#include "KeptTextSurface.h"

KeptTextAccessible::KeptTextAccessible(KeptTextSurface *surface)
    : ReadOnlyTextAccessible(surface, QAccessible::EditableText)
{
}

KeptTextSurface *KeptTextAccessible::surface() const
{
    return static_cast<KeptTextSurface *>(widget());
}

QString KeptTextAccessible::content() const
{
    return surface()->text();
}

QAccessible::State KeptTextAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    return state;
}

int KeptTextAccessible::cursorPosition() const
{
    return surface()->caret();
}

void KeptTextAccessible::setCursorPosition(int position)
{
    surface()->setCaret(position);
}

QRect KeptTextAccessible::characterRect(int offset) const
{
    const QRect local = surface()->characterRect(offset);
    return local.isNull() ? local : local.translated(surface()->mapToGlobal(QPoint(0, 0)));
}

int KeptTextAccessible::offsetAtPoint(const QPoint &point) const
{
    return surface()->offsetAt(surface()->mapFromGlobal(point));
}
