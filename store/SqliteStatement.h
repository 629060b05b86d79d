// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

class SqliteDb;
struct sqlite3_stmt;

// A prepared statement with bound parameters; values never become SQL text.
class SqliteStatement {
public:
    SqliteStatement(SqliteDb &db, const char *sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    bool prepared() const { return m_statement != nullptr; }

    // Parameters count from 1.
    void bind(int index, qint64 value);
    void bind(int index, double value);
    void bind(int index, const QString &value);
    void bind(int index, const std::optional<QString> &value);  // no value binds NULL

    // Steps to the next row: true while there is one. done() tells a clean end from a failure.
    bool next();
    bool done() const { return m_done; }
    // Runs a statement without results to its end.
    bool run();
    void reset();

    qint64 int64(int column) const;
    double real(int column) const;
    QString text(int column) const;
    bool isNull(int column) const;

private:
    sqlite3_stmt *m_statement = nullptr;
    bool m_done = false;
};
