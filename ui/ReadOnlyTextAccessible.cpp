// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadOnlyTextAccessible.h"

void *ReadOnlyTextAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

void ReadOnlyTextAccessible::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

QString ReadOnlyTextAccessible::text(int startOffset, int endOffset) const
{
    return content().mid(startOffset, endOffset - startOffset);
}

int ReadOnlyTextAccessible::characterCount() const
{
    return static_cast<int>(content().size());
}

QString ReadOnlyTextAccessible::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}
