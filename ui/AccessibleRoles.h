// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

class QLineEdit;
class QMenuBar;
class QWidget;

// Roles that Qt cannot guess from a widget's class: a label that is a heading,
// a plain widget that is a dialog or a window.
namespace AccessibleRoles {

// Gives the widget the role from now on, also when Qt already described it.
void setRole(QWidget *widget, QAccessible::Role role);

// The bar's commands, as they are now, with their shortcuts for a screen reader to speak.
void readShortcuts(QMenuBar *bar);

// A line box whose letter-spaced words a screen reader reads as words.
void readLetterSpaced(QLineEdit *box);

}  // namespace AccessibleRoles
