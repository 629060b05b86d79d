// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class SqliteDb;

// The tables of the history file and the way up from each older layout.
//
// Layout 1 kept one flat row per answer (player, series start, limit,
// question, degree or NULL, time). Layout 2 keeps series apart from answers
// and adds how each answer ended, the wrong clicks, the seconds and the hint.
// Layout 3 keeps each series' answer count and degree sum in its row.
namespace HistorySchema {

constexpr int kApplicationId = 0x56584c52;  // "VXLR", the file's mark as ours
constexpr int kCurrentVersion = 3;

enum class Kind {
    Empty,       // a new file: no tables at all
    Ours,        // our mark and a layout this program can bring up to date
    Foreign,     // another program's database, or one from a newer layout
    Unreadable,  // not a database, or damaged
    Locked,      // another connection holds it past the busy timeout
    Unavailable, // it cannot be read now: no room for its index, no access
};

Kind inspect(SqliteDb &db);
// Creates the current tables in an empty file or moves an older layout up, in one transaction.
bool bringUpToDate(SqliteDb &db);
// Lays out an empty file as layout 1, as the first recording version did.
bool createVersion1(SqliteDb &db);
// Lays out an empty file as layout 2, before the series carried their sums.
bool createVersion2(SqliteDb &db);

}  // namespace HistorySchema
