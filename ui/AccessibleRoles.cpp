// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibleRoles.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace AccessibleRoles {

namespace {

constexpr char kRoleProperty[] = "vexlorAccessibleRole";

QAccessibleInterface *describe(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    const QVariant role = widget->property(kRoleProperty);
    if (!role.isValid())
        return nullptr;
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

}  // namespace

void setRole(QWidget *widget, QAccessible::Role role)
{
    QAccessible::installFactory(&describe);  // once: Qt ignores a factory it has
    widget->setProperty(kRoleProperty, static_cast<int>(role));
    // With accessibility on, building the widget may already have described it
    // in the generic way; forget that so the next look-up asks the factory.
    if (QAccessible::isActive())
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(widget)));
}

}  // namespace AccessibleRoles
