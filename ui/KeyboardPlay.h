// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QCoreApplication;

// Keys that work alike in every window: Return and keypad Enter press the
// focused push button, as Space does. It also remembers whether the player's
// latest input came from the keyboard, so that focus the program hands on
// shows its frame to a keyboard player and not after a click.
class KeyboardPlay : public QObject {
    Q_OBJECT

public:
    // Watches every event of the application from now on; once is enough.
    static void install(QCoreApplication *application);

    // How focus handed on by the program should count: as moved by a key when
    // the latest key or mouse button input was a key.
    static Qt::FocusReason handOverReason();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
