// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SqliteDb.h"

#include "SqliteStatement.h"

#include <QFile>

#include <sqlite3.h>

SqliteDb::~SqliteDb()
{
    close();
}

bool SqliteDb::open(const QString &path, Mode mode)
{
    close();
    const int flags = mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        m_openError = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString::fromUtf8(sqlite3_errstr(rc));
        close();
        return false;
    }
    sqlite3_extended_result_codes(m_db, 0);
    return true;
}

void SqliteDb::close()
{
    if (m_db)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
}

bool SqliteDb::exec(const char *sql)
{
    return m_db && sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

qint64 SqliteDb::scalar(const char *sql, qint64 fallback)
{
    SqliteStatement statement(*this, sql);
    return statement.next() ? statement.int64(0) : fallback;
}

QString SqliteDb::error() const
{
    return m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : m_openError;
}

int SqliteDb::errorCode() const
{
    return m_db ? sqlite3_errcode(m_db) & 0xff : SQLITE_CANTOPEN;
}
