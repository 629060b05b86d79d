// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyboardPlay.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

namespace {

QPointer<KeyboardPlay> installed;
bool lastInputWasKey = false;

}  // namespace

void KeyboardPlay::install(QCoreApplication *application)
{
    if (installed)
        return;
    installed = new KeyboardPlay(application);
    application->installEventFilter(installed);
}

Qt::FocusReason KeyboardPlay::handOverReason()
{
    return lastInputWasKey ? Qt::ShortcutFocusReason : Qt::OtherFocusReason;
}

bool KeyboardPlay::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        lastInputWasKey = false;
        break;
    case QEvent::KeyPress: {
        lastInputWasKey = true;
        auto *button = qobject_cast<QPushButton *>(watched);
        const auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (button && button->hasFocus() && button->isEnabled() && modifiers == Qt::NoModifier &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            if (!key->isAutoRepeat())
                button->click();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
