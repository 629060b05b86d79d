// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Keeps a top-level window on its screen's available area.
namespace ScreenFit {

enum class Placement {
    Centred,  // in the middle of the screen
    System,   // wherever the window system puts new windows
};

// Sizes and places `window` before it is first shown. A window that fits keeps
// its size; with Placement::Centred it is centred, but never with its top-left
// corner above or left of the available area. A window larger than that area
// shrinks to it and shows its content in a scroll area, so its menu stays on
// the screen and every button can be scrolled (or tabbed) into view.
void fit(QWidget *window, Placement placement);

}  // namespace ScreenFit
