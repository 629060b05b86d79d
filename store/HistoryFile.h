// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SqliteDb.h"

#include <QString>

// Opens the history file for writing: made if missing, brought up to date if
// older, and, when it is no history of ours or is damaged, kept aside under a
// new name (never deleted) while a fresh one takes its place.
class HistoryFile {
public:
    // The file in the user's data folder.
    static QString defaultPath();

    enum class Result { Opened, Renewed, Failed };
    // Waits up to `busyMilliseconds` for another program's write, here and in every later statement.
    Result open(const QString &path, int busyMilliseconds);

    SqliteDb &db() { return m_db; }
    QString keptAs() const { return m_keptAs; }  // where a renewed file's old contents went
    QString error() const { return m_error; }

private:
    bool openAndPrepare(const QString &path, int busyMilliseconds);
    bool switchToWal(int busyMilliseconds);
    bool keepAside(const QString &path);

    SqliteDb m_db;
    QString m_keptAs;
    QString m_error;
};
