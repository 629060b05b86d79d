// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QListWidget>

// The word list. A double-click anywhere in it chooses, also on empty space with
// nothing selected; the selection is settled before the choice is sent. Return,
// keypad Enter and Space choose too, except a Space typed within a term while
// the list still searches for what is typed.
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
    // The player chose the entry at `row`, -1 when nothing is selected.
    void termChosen(int row);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QElapsedTimer m_lastTyped;  // since the last letter typed to search the list
};
