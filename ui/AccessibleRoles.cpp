// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibleRoles.h"

#include "LetterSpacedAccessible.h"
#include "MenuBarItemAccessible.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QWidget>

namespace AccessibleRoles {

namespace {

constexpr char kRoleProperty[] = "vexlorAccessibleRole";
constexpr char kLetterSpacedProperty[] = "vexlorLetterSpaced";
constexpr char kMenuBarProperty[] = "vexlorMenuBar";

QAccessibleInterface *describe(const QString &, QObject *object)
{
    if (auto *action = qobject_cast<QAction *>(object); action && action->property(kMenuBarProperty).toBool()) {
        for (QObject *owner : action->associatedObjects()) {
            if (auto *bar = qobject_cast<QMenuBar *>(owner))
                return new MenuBarItemAccessible(bar, action);
        }
        return nullptr;
    }
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    const QVariant role = widget->property(kRoleProperty);
    if (!role.isValid())
        return nullptr;
    if (auto *box = qobject_cast<QLineEdit *>(widget); box && box->property(kLetterSpacedProperty).toBool())
        return new LetterSpacedAccessible(box);
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

}  // namespace

void setRole(QWidget *widget, QAccessible::Role role)
{
    QAccessible::installFactory(&describe);  // once: Qt ignores a factory it has
    widget->setProperty(kRoleProperty, static_cast<int>(role));
    // Building the widget, or naming it, may already have described it in the
    // generic way; forget that so the next look-up asks the factory.
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(widget)));
}

void readShortcuts(QMenuBar *bar)
{
    QAccessible::installFactory(&describe);
    for (QAction *action : bar->actions()) {
        action->setProperty(kMenuBarProperty, true);
        // The bar may have described its commands already, without their keys.
        if (QAccessibleInterface *known = QAccessible::queryAccessibleInterface(action))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
    }
}

void readLetterSpaced(QLineEdit *box)
{
    box->setProperty(kLetterSpacedProperty, true);
    setRole(box, QAccessible::EditableText);
}

}  // namespace AccessibleRoles
