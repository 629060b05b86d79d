// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The commands of the card language. Settings change the picture as a whole;
// the others draw, in order.
enum class Verb {
    Height, Colours, Ground, Also, Square,
    Ink, Pen, Text, Note, Line, Dashed, Arrow, Dimension, Polyline, Polygon, Fill, Rect, Circle, Disc, Arc,
    Beam, Hinge, Roller, Fixed, Pin, Moment, Spring, Udl, Axes, Plot, Vline, Hline, Grid,
};

// What a command leaves on the picture before any text or arrowhead of its own.
enum class VerbMark {
    None,    // a setting, or a change of ink or pen
    Own,     // texts begin their marks themselves
    Stroke,
    Fill,    // a filled shape, on which a text may stand
};

// How a command is written and what it draws: one row per verb.
struct VerbInfo {
    Verb verb;
    const char16_t *name;
    int minNumbers;
    int maxNumbers;  // -1: any count from minNumbers on, in pairs (point lists)
    int minWords;
    int maxWords;
    VerbMark mark;
    bool openEnds;  // an open line, whose first and last points may join an arrow's tip
};

// The row of a verb as written in a source, or nullptr for an unknown one.
const VerbInfo *findVerb(const QString &name);
const VerbInfo &verbInfo(Verb verb);
