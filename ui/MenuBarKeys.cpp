// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuBarKeys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>

MenuBarKeys::MenuBarKeys(QMenuBar *bar) : QObject(bar), m_bar(bar)
{
    auto *key = new QAction(bar->window());
    key->setObjectName(QStringLiteral("MenuKey"));
    key->setShortcut(QKeySequence(Qt::Key_F10));
    connect(key, &QAction::triggered, this, [this] { m_bar->hasFocus() ? leave() : enter(); });
    bar->window()->addAction(key);
    bar->installEventFilter(this);
    // A command given from the keyboard hands the keyboard back before it acts.
    connect(bar, &QMenuBar::triggered, this, [this] {
        if (m_bar->hasFocus())
            leave();
    });
}

void MenuBarKeys::enter()
{
    if (m_bar->actions().isEmpty())
        return;
    m_before = QApplication::focusWidget();
    m_bar->setFocus(Qt::MenuBarFocusReason);
    m_bar->setActiveAction(m_bar->actions().constFirst());
}

void MenuBarKeys::leave()
{
    m_bar->setActiveAction(nullptr);
    if (m_before && m_before->isVisible() && m_before->isEnabled())
        m_before->setFocus(Qt::MenuBarFocusReason);
    else
        m_bar->clearFocus();  // the window's own focus chain takes it on
    m_before = nullptr;
}

bool MenuBarKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        leave();
        return true;
    }
    if (event->type() == QEvent::FocusOut && !m_bar->activeAction())
        m_before = nullptr;
    return QObject::eventFilter(watched, event);
}
