// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryFile.h"

#include "HistorySchema.h"
#include "SqliteStatement.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <sqlite3.h>

QString HistoryFile::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/history.sqlite");
}

HistoryFile::Result HistoryFile::open(const QString &path, int busyMilliseconds)
{
    m_keptAs.clear();
    m_error.clear();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        m_error = QStringLiteral("the folder %1 cannot be made").arg(QFileInfo(path).absolutePath());
        return Result::Failed;
    }
    if (!m_db.open(path, SqliteDb::Mode::ReadWriteCreate)) {
        m_error = m_db.error();
        return Result::Failed;
    }
    sqlite3_busy_timeout(m_db.handle(), busyMilliseconds);

    HistorySchema::Kind kind = HistorySchema::inspect(m_db);
    // A file that opens may still hold damaged pages; they are found now, not halfway through play.
    if (kind == HistorySchema::Kind::Ours) {
        SqliteStatement check(m_db, "PRAGMA quick_check(1)");
        if (check.next()) {
            if (check.text(0) != QLatin1String("ok"))
                kind = HistorySchema::Kind::Unreadable;
        } else {
            const int code = m_db.errorCode();
            kind = code == SQLITE_NOTADB || code == SQLITE_CORRUPT ? HistorySchema::Kind::Unreadable
                                                                   : HistorySchema::Kind::Unavailable;
        }
        check.run();
    }
    if (kind == HistorySchema::Kind::Locked || kind == HistorySchema::Kind::Unavailable) {
        m_error = kind == HistorySchema::Kind::Locked ? QStringLiteral("the history file is locked by another program")
                                                      : m_db.error();
        m_db.close();
        return Result::Failed;
    }
    Result result = Result::Opened;
    if (kind == HistorySchema::Kind::Foreign || kind == HistorySchema::Kind::Unreadable) {
        m_db.close();
        if (!keepAside(path))
            return Result::Failed;
        if (!m_db.open(path, SqliteDb::Mode::ReadWriteCreate)) {
            m_error = m_db.error();
            return Result::Failed;
        }
        sqlite3_busy_timeout(m_db.handle(), busyMilliseconds);
        result = Result::Renewed;
    }
    if (!openAndPrepare(path, busyMilliseconds))
        return Result::Failed;
    return result;
}

// Each answer is committed on its own; WAL with FULL sync makes that commit reach the disk
// before the next one starts, so a power cut loses at most the answer being written.
bool HistoryFile::openAndPrepare(const QString &path, int busyMilliseconds)
{
    if (!switchToWal(busyMilliseconds) || !m_db.exec("PRAGMA synchronous = FULL; PRAGMA foreign_keys = ON")
        || !HistorySchema::bringUpToDate(m_db)) {
        m_error = m_db.error();
        if (m_error.isEmpty() || m_error == QLatin1String("not an error"))
            m_error = QStringLiteral("%1 cannot be written").arg(path);
        m_db.close();
        return false;
    }
    return true;
}

// While another game holds the write lock of a file not yet in WAL (two games making a new file
// together), SQLite refuses the switch at once instead of waiting; it is asked again meanwhile.
bool HistoryFile::switchToWal(int busyMilliseconds)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        SqliteStatement journal(m_db, "PRAGMA journal_mode = WAL");  // finished before the next statement
        if (journal.next() && journal.text(0) == QLatin1String("wal"))
            return true;
        if (m_db.errorCode() != SQLITE_BUSY || waited.elapsed() >= busyMilliseconds)
            return false;
        QThread::msleep(10);
    }
}

bool HistoryFile::keepAside(const QString &path)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path + QStringLiteral(".unreadable-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path + QStringLiteral(".unreadable-%1-%2").arg(stamp).arg(n);
    if (!QFile::rename(path, aside)) {
        m_error = QStringLiteral("the unreadable history file %1 cannot be moved aside").arg(path);
        return false;
    }
    // Its journal files belong to it and go with it.
    for (const char *suffix : {"-wal", "-shm", "-journal"}) {
        const QString companion = path + QLatin1String(suffix);
        if (QFileInfo::exists(companion))
            QFile::rename(companion, aside + QLatin1String(suffix));
    }
    m_keptAs = aside;
    return true;
}
