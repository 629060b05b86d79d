// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QListWidget>

// The word list. A double-click anywhere in it counts, also on empty space with
// nothing selected; the selection is settled before the signal is sent. Return,
// keypad Enter and Space count as a double-click too, except a Space typed
// within a term while the list still searches for what is typed.
class WordList : public QListWidget {
    Q_OBJECT

public:
    explicit WordList(QWidget *parent = nullptr);

    // Appends the terms. Each item carries its whole term as tool tip and
    // accessible name, so a term the list's width cuts short can still be read.
    void addTerms(const QStringList &terms);

    // The selected row, or -1 when nothing is selected.
    int selectedRow() const;

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // Away from the keyboard the list has no current entry, so a screen reader
    // does not take its entry for the focus; coming back brings it again.
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QElapsedTimer m_lastTyped;  // since the last letter typed to search the list
    QPersistentModelIndex m_keptCurrent;
};
