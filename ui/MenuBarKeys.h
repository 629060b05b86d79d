// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class QMenuBar;
class QWidget;

// F10 takes the keyboard to a window's menu bar, on its first command; the
// arrow keys go along it, Return or Space gives the command, and Escape or F10
// hands the keyboard back to where it was.
class MenuBarKeys : public QObject {
    Q_OBJECT

public:
    explicit MenuBarKeys(QMenuBar *bar);

    void enter();
    void leave();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMenuBar *m_bar;
    QPointer<QWidget> m_before;  // where the keyboard was
};
