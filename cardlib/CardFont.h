// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRawFont>
#include <QString>

// The typeface of every card text, read from named font files rather than
// asked of the desktop: a picture comes out the same whatever fonts a machine
// has installed, and a letter the face lacks is never borrowed from another.
class CardFont {
public:
    // The face at a pixel size; without its files (a game installed without
    // them), the desktop's Arial or its sans-serif stand-in.
    static QRawFont face(bool bold, double pixels);
    // Whether the face was read from its files.
    static bool fromFiles();
    // The characters of a text that the face has no glyph for, each once.
    static QString missing(const QRawFont &face, const QString &text);
};
