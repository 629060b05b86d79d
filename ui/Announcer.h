// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// Tells a screen reader what just changed, wherever the keyboard focus is: a
// notification that shows anew with every message. It takes no room, draws
// nothing and takes neither focus nor clicks.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    void announce(const QString &message);
};
