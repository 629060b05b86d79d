// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

// Runs a piece of work once the first paint of a window is done, so that work
// which the first sight of the game does not need cannot delay it.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QObject &window, std::function<void()> work);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_work;
};
