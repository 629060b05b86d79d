// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
// The answer tile under the pointer: nudged up and left, and framed.
#include "Quiz.h"

void Quiz::Picture1_MouseMove(int Index)
{
    if (Index < 1 || Index > 4)
        return;
    // Always from the home positions, so no number of moves makes a tile drift.
    constexpr int kHoverOffset = 10;
    for (int t = 1; t <= 4; ++t) {
        const int d = t == Index ? kHoverOffset : 0;
        controls.Picture1[t].left = static_cast<int>(TileLeft[t]) - d;
        controls.Picture1[t].top = static_cast<int>(TileTop[t]) - d;
        controls.Picture1[t].border = t == Index ? 1 : 0;
    }
}
