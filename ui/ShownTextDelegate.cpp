// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShownTextDelegate.h"

void ShownTextDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const QVariant shown = index.data(kShownTextRole);
    if (shown.isValid())
        option->text = shown.toString();
}
