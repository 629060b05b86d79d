// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The player's name is one line, in the name box and in the report alike.
namespace NameLine {

// Each run of line breaks (CR, LF, VT, FF, NEL, the Unicode line and paragraph
// separators) becomes one blank.
QString breaksAsBlanks(const QString &name);

}  // namespace NameLine
