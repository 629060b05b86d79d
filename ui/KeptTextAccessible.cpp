// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeptTextAccessible.h"

#include "KeptTextSurface.h"

KeptTextAccessible::KeptTextAccessible(KeptTextSurface *surface)
    : QAccessibleWidget(surface, QAccessible::EditableText)
{
}

KeptTextSurface *KeptTextAccessible::surface() const
{
    return static_cast<KeptTextSurface *>(widget());
}

QAccessible::State KeptTextAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    return state;
}

void *KeptTextAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

void KeptTextAccessible::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

int KeptTextAccessible::cursorPosition() const
{
    return surface()->caret();
}

void KeptTextAccessible::setCursorPosition(int position)
{
    surface()->setCaret(position);
}

QString KeptTextAccessible::text(int startOffset, int endOffset) const
{
    return surface()->text().mid(startOffset, endOffset - startOffset);
}

int KeptTextAccessible::characterCount() const
{
    return static_cast<int>(surface()->text().size());
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

// One plain run: the whole text has the surface's font and colour.
QString KeptTextAccessible::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}
