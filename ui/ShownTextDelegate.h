// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

// Draws an item with the text its view put in kShownTextRole, where there is
// one, instead of its own text, which stays whole for searching, tool tips and
// screen readers.
class ShownTextDelegate : public QStyledItemDelegate {
public:
    static constexpr int kShownTextRole = Qt::UserRole + 1;

    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};
