// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

class QWidget;

// Roles that Qt cannot guess from a widget's class: a label that is a heading,
// a plain widget that is a dialog or a window.
namespace AccessibleRoles {

// Gives the widget the role from now on, also when Qt already described it.
void setRole(QWidget *widget, QAccessible::Role role);

}  // namespace AccessibleRoles
