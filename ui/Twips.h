// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

// Window geometry is given in twips; 15 twips make one pixel at 96 dpi.
// Qt's device-independent pixels carry the rest of the scaling.
inline constexpr int kTwipsPerPixel = 15;

// To the nearest pixel, halves away from zero.
constexpr int twipsToPixels(int twips)
{
    return (twips >= 0 ? twips + kTwipsPerPixel / 2 : twips - kTwipsPerPixel / 2) / kTwipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}
