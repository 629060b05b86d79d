// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The rules of the game, written once and laid out by each window that shows
// them: the splash in three wrapped paragraphs, the help in fixed lines.
namespace RulesText {

// The splash's three paragraphs, in the order of its labels.
QStringList splashParagraphs();
// The help's lines, each with its leading blank.
QStringList helpLines();

}  // namespace RulesText
