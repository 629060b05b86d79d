// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct sqlite3;

// One open SQLite connection, closed with its owner.
class SqliteDb {
public:
    SqliteDb() = default;
    ~SqliteDb();
    SqliteDb(const SqliteDb &) = delete;
    SqliteDb &operator=(const SqliteDb &) = delete;

    enum class Mode { ReadOnly, ReadWriteCreate };
    bool open(const QString &path, Mode mode);
    void close();
    bool isOpen() const { return m_db != nullptr; }

    // Runs statements without results; false and error() on the first failure.
    bool exec(const char *sql);
    // The first column of the first row of a query, or `fallback`.
    qint64 scalar(const char *sql, qint64 fallback = -1);

    sqlite3 *handle() const { return m_db; }
    QString error() const;
    int errorCode() const;  // the primary result code of the last call

private:
    sqlite3 *m_db = nullptr;
    QString m_openError;
};
