// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class QLineEdit;

// What a screen reader finds in a line box that shows its words letter by
// letter ("V e r y   B a d"): the words themselves ("Very Bad"), so they are
// spoken as words and not spelt. Any other text reads as it is shown.
class LetterSpacedAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit LetterSpacedAccessible(QLineEdit *box);

    // The words of a letter-spaced text: one blank between marks, three between
    // words; a run of signs ("!!!!") may stand as one mark.
    static QString readable(const QString &shown);

    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    using QAccessibleWidget::text;

private:
    QString spoken() const;
};
