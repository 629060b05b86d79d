// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QuizResults.h"

#include <QString>

#include <vector>

// One piece of a printed line: a text, or a separator that moves the write
// position forward to the start of the next print zone of 14 columns.
struct PrintItem {
    enum class Kind { Text, Zone };
    Kind kind = Kind::Text;
    QString text;

    static PrintItem zone() { return {Kind::Zone, QString()}; }
    static PrintItem textItem(const QString &text) { return {Kind::Text, text}; }
};

using PrintLine = std::vector<PrintItem>;

inline constexpr int kZoneColumns = 14;

// Where a zone separator moves the write position: to the start of the next zone,
// always forward, even from the very start of one. In columns in the report, in
// pixels on screen.
constexpr int nextZoneStart(int position, int zoneSize)
{
    return (position / zoneSize + 1) * zoneSize;
}

// The rows of the results, one per presented question of the series, shared by
// the report file and the results table on screen.
//
// Row n shows its degree and term when a right answer recorded them, otherwise
// " has no answer."; a row with a negative degree is left out.
std::vector<PrintLine> resultRows(const QuizResults &results);

// Lays a line out in fixed columns, filling zone moves with blanks.
QString printInColumns(const PrintLine &line);
