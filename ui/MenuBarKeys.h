// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class QMenuBar;
class QWidget;

// F10 takes the keyboard to a window's menu bar, on its first command; the
// arrow keys go along it, Return or Space gives the command, and Escape or F10
// hands the keyboard back to where it was. Alt pressed and released alone
// reaches the bar too, also when the bar itself let such a press go by.
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
    bool m_entered = false;      // the bar has the keyboard through this helper
    bool m_altAlone = false;     // Alt is down with no other key since
    bool m_altFromBar = false;   // and the bar had the keyboard when it went down
};
