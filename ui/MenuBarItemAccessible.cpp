// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuBarItemAccessible.h"

#include <QAction>
#include <QMenuBar>

MenuBarItemAccessible::MenuBarItemAccessible(QMenuBar *bar, QAction *action) : m_bar(bar), m_action(action) {}

bool MenuBarItemAccessible::isValid() const
{
    return m_bar && m_action;
}

QObject *MenuBarItemAccessible::object() const
{
    return m_action;
}

QAccessibleInterface *MenuBarItemAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_bar);
}

QString MenuBarItemAccessible::shortcut() const
{
    return m_action ? m_action->shortcut().toString(QKeySequence::NativeText) : QString();
}

QString MenuBarItemAccessible::text(QAccessible::Text t) const
{
    if (!m_action)
        return QString();
    switch (t) {
    case QAccessible::Name:
        return QString(m_action->text()).remove(u'&');
    case QAccessible::Accelerator:
        return shortcut();
    default:
        return QString();
    }
}

QRect MenuBarItemAccessible::rect() const
{
    if (!isValid())
        return QRect();
    return m_bar->actionGeometry(m_action).translated(m_bar->mapToGlobal(QPoint(0, 0)));
}

QAccessible::State MenuBarItemAccessible::state() const
{
    QAccessible::State s;
    if (!isValid())
        return s;
    s.invisible = !m_bar->isVisible() || !m_action->isVisible();
    s.disabled = !m_action->isEnabled();
    s.focusable = true;
    s.focused = m_bar->activeAction() == m_action;
    return s;
}

void *MenuBarItemAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
}

QStringList MenuBarItemAccessible::actionNames() const
{
    return {pressAction()};
}

void MenuBarItemAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction() && m_action && m_action->isEnabled())
        m_action->trigger();
}

QStringList MenuBarItemAccessible::keyBindingsForAction(const QString &actionName) const
{
    if (actionName != pressAction() || shortcut().isEmpty())
        return {};
    return {QString(), QString(), shortcut()};  // no mnemonic, no path: only the accelerator
}
