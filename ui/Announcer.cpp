// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Announcer.h"

#include "AccessibleRoles.h"

Announcer::Announcer(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Announcer"));
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    AccessibleRoles::setRole(this, QAccessible::Notification);
    hide();
}

void Announcer::announce(const QString &message)
{
    if (message.trimmed().isEmpty())
        return;
    // Screen readers speak a notification when it appears, so it goes and comes back.
    hide();
    setAccessibleName(message);
    show();
}
