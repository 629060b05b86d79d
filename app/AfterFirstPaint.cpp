// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AfterFirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <utility>

AfterFirstPaint::AfterFirstPaint(QObject &window, std::function<void()> work)
    : QObject(QCoreApplication::instance())
    , m_work(std::move(work))
{
    window.installEventFilter(this);
}

bool AfterFirstPaint::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Once the paint has been flushed to the screen, not within it.
        QTimer::singleShot(0, this, [this] {
            m_work();
            deleteLater();
        });
    }
    return QObject::eventFilter(watched, event);
}
