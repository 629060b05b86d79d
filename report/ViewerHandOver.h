// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Opens a file of the working directory in the desktop's viewer for text,
// started on its own without a shell and never waited for.
namespace ViewerHandOver {

// Returns whether the viewer could be started.
bool open(const QString &bareFileName);

}  // namespace ViewerHandOver
