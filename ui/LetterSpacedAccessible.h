// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ReadOnlyTextAccessible.h"

class QLineEdit;

// What a screen reader finds in a line box that shows its words letter by
// letter ("V e r y   B a d"): the words themselves ("Very Bad"), so they are
// spoken as words and not spelt. Any other text reads as it is shown.
class LetterSpacedAccessible : public ReadOnlyTextAccessible {
public:
    explicit LetterSpacedAccessible(QLineEdit *box);

    // The words of a letter-spaced text: one blank between marks, three between
    // words; a run of signs ("!!!!") may stand as one mark.
    static QString readable(const QString &shown);

    QAccessible::State state() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;

protected:
    QString content() const override;
};
