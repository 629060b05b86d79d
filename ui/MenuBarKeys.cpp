// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuBarKeys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTimer>

#include <utility>

MenuBarKeys::MenuBarKeys(QMenuBar *bar) : QObject(bar), m_bar(bar)
{
    auto *key = new QAction(bar->window());
    key->setObjectName(QStringLiteral("MenuKey"));
    key->setShortcut(QKeySequence(Qt::Key_F10));
    connect(key, &QAction::triggered, this, [this] { m_entered ? leave() : enter(); });
    bar->window()->addAction(key);
    bar->installEventFilter(this);
    qApp->installEventFilter(this);
    // A command given from the keyboard hands the keyboard back before it acts.
    connect(bar, &QMenuBar::triggered, this, [this] {
        if (m_entered)
            leave();
    });
}

void MenuBarKeys::enter()
{
    if (m_bar->actions().isEmpty())
        return;
    m_before = QApplication::focusWidget();
    m_entered = true;
    m_bar->setFocus(Qt::MenuBarFocusReason);
    m_bar->setActiveAction(m_bar->actions().constFirst());
}

void MenuBarKeys::leave()
{
    m_entered = false;
    m_bar->setActiveAction(nullptr);
    if (m_before && m_before->isVisible() && m_before->isEnabled())
        m_before->setFocus(Qt::MenuBarFocusReason);
    else
        m_bar->clearFocus();  // the window's own focus chain takes it on
    m_before = nullptr;
}

bool MenuBarKeys::eventFilter(QObject *watched, QEvent *event)
{
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->window() == m_bar->window()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool alt = key->key() == Qt::Key_Alt && !key->isAutoRepeat();
        if (event->type() == QEvent::KeyPress) {
            if (alt && !m_altAlone)  // the press as the focus widget gets it, before its parents do
                m_altFromBar = m_bar->activeAction() != nullptr;
            m_altAlone = alt;
        } else if (alt && std::exchange(m_altAlone, false) && !m_altFromBar) {
            // After the bar has seen the release: enter only when it did not.
            QTimer::singleShot(0, this, [this] {
                if (!m_bar->activeAction())
                    enter();
            });
        }
    }
    if (watched != m_bar)
        return false;
    // Escape from where Alt took the bar itself is the bar's own to handle.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape && m_entered) {
        leave();
        return true;
    }
    if (event->type() == QEvent::FocusOut && !m_bar->activeAction()) {
        m_before = nullptr;
        m_entered = false;
    }
    return QObject::eventFilter(watched, event);
}
