// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class QAction;
class QMenuBar;

// A command on a menu bar as a screen reader finds it: its text, and its
// shortcut as the key binding of its one action, in the "mnemonic;path;
// accelerator" form screen readers speak after the text when the keyboard
// reaches the command (a description as well would be spoken twice).
class MenuBarItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuBarItemAccessible(QMenuBar *bar, QAction *action);

    bool isValid() const override;
    QObject *object() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    QString shortcut() const;

    QPointer<QMenuBar> m_bar;
    QPointer<QAction> m_action;
};
