// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LetterSpacedAccessible.h"

#include <QLineEdit>

#include <algorithm>

LetterSpacedAccessible::LetterSpacedAccessible(QLineEdit *box) : ReadOnlyTextAccessible(box, QAccessible::EditableText) {}

QString LetterSpacedAccessible::readable(const QString &shown)
{
    const QString trimmed = shown.trimmed();
    if (trimmed.isEmpty())
        return shown;
    QStringList words;
    for (const QString &word : trimmed.split(QStringLiteral("   "))) {
        const QStringList marks = word.split(u' ', Qt::SkipEmptyParts);
        const bool spaced = marks.size() > 1 && std::all_of(marks.begin(), marks.end(), [](const QString &mark) {
                                return mark.size() == 1 ||
                                       std::none_of(mark.begin(), mark.end(), [](QChar c) { return c.isLetterOrNumber(); });
                            });
        if (!spaced)
            return shown;
        words.append(marks.join(QString()));
    }
    return words.join(u' ');
}

QString LetterSpacedAccessible::content() const
{
    return readable(static_cast<QLineEdit *>(widget())->text());
}

QAccessible::State LetterSpacedAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !static_cast<QLineEdit *>(widget())->isReadOnly();
    state.selectableText = true;
    return state;
}

// The spoken words have no place of their own on the screen: each stands for the whole box.
QRect LetterSpacedAccessible::characterRect(int offset) const
{
    return offset >= 0 && offset < characterCount() ? rect() : QRect();
}

int LetterSpacedAccessible::offsetAtPoint(const QPoint &point) const
{
    return rect().contains(point) && characterCount() > 0 ? 0 : -1;
}
