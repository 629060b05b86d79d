// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <vector>

// Writes a picture as a GIF89a file: a logical screen of the canvas size, one
// frame at the top left (canvas width x frame height) with a local colour
// table, and colour 0 transparent through a graphic control extension.
struct GifPicture {
    QImage image;  // the painted canvas; alpha below one half is transparent
    int frameHeight = 0;
    int colours = 32;  // a power of two from 4 to 256
    QColor ground;
    std::vector<QColor> inks;  // the colours drawn with, for the palette's ramps
};

// The palette: transparent, the ground, then ramps from the ground to each ink.
std::vector<QColor> gifPalette(const GifPicture &picture);

// Throws std::runtime_error when the file cannot be written.
void writeGif(const QString &path, const GifPicture &picture);
