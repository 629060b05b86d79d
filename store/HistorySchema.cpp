// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistorySchema.h"

#include "SqliteDb.h"
#include "SqliteStatement.h"

#include <sqlite3.h>

namespace HistorySchema {

namespace {

constexpr const char *kVersion2Tables = R"(
CREATE TABLE series(
    id INTEGER PRIMARY KEY,
    player TEXT NOT NULL,
    started_at INTEGER NOT NULL,
    max_seconds INTEGER NOT NULL);
CREATE TABLE answer(
    id INTEGER PRIMARY KEY,
    series_id INTEGER NOT NULL REFERENCES series(id) ON DELETE CASCADE,
    question INTEGER NOT NULL,
    outcome INTEGER NOT NULL,
    degree REAL,
    wrong_clicks INTEGER NOT NULL,
    seconds_used INTEGER NOT NULL,
    hint_opened INTEGER NOT NULL,
    answered_at INTEGER NOT NULL);
CREATE INDEX series_by_player ON series(player, started_at);
CREATE INDEX answer_by_series ON answer(series_id, degree);
CREATE INDEX answer_by_question ON answer(question, id);
)";

// Layout 1 knew no outcome: a NULL degree was a question left, 0 one timed out. Its wrong
// clicks follow from the degree of a right answer; seconds and hints were never kept.
constexpr const char *kVersion1To2 = R"(
INSERT INTO series(player, started_at, max_seconds)
    SELECT DISTINCT player, started_at, max_seconds FROM answers ORDER BY started_at, rowid;
INSERT INTO answer(series_id, question, outcome, degree, wrong_clicks, seconds_used, hint_opened, answered_at)
    SELECT s.id, a.question,
           CASE WHEN a.degree IS NULL THEN 2 WHEN a.degree = 0 THEN 1 ELSE 0 END,
           CASE WHEN a.degree IS NULL THEN NULL ELSE a.degree END,
           CASE WHEN a.degree > 0 THEN (100 - a.degree) / 25 ELSE 0 END,
           0, 0, a.answered_at
    FROM answers a JOIN series s
        ON s.player = a.player AND s.started_at = a.started_at AND s.max_seconds = a.max_seconds
    ORDER BY a.rowid;
DROP TABLE answers;
)";

// Each series carries the count and the degree sum of its answers, so its average is read without the answers.
// The triggers keep them in the same statement, and so the same transaction, as each answer written or deleted.
constexpr const char *kVersion2To3 = R"(
ALTER TABLE series ADD COLUMN answer_count INTEGER NOT NULL DEFAULT 0;
ALTER TABLE series ADD COLUMN degree_sum REAL NOT NULL DEFAULT 0;
UPDATE series SET
    answer_count = (SELECT count(*) FROM answer WHERE series_id = series.id),
    degree_sum = (SELECT total(coalesce(degree, 0)) FROM answer WHERE series_id = series.id);
CREATE TRIGGER answer_counted AFTER INSERT ON answer BEGIN
    UPDATE series SET answer_count = answer_count + 1, degree_sum = degree_sum + coalesce(NEW.degree, 0)
    WHERE id = NEW.series_id;
END;
CREATE TRIGGER answer_uncounted AFTER DELETE ON answer BEGIN
    UPDATE series SET answer_count = answer_count - 1, degree_sum = degree_sum - coalesce(OLD.degree, 0)
    WHERE id = OLD.series_id;
END;
)";

QByteArray stamp(int version)
{
    return "PRAGMA application_id = " + QByteArray::number(kApplicationId) + ";\nPRAGMA user_version = "
           + QByteArray::number(version) + ";\n";
}

bool hasTable(SqliteDb &db, const char *name)
{
    SqliteStatement query(db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1");
    query.bind(1, QString::fromLatin1(name));
    return query.next();
}

bool inTransaction(SqliteDb &db, const char *sql)
{
    if (!db.exec("BEGIN IMMEDIATE"))
        return false;
    if (db.exec(sql) && db.exec("COMMIT"))
        return true;
    db.exec("ROLLBACK");
    return false;
}

}  // namespace

Kind inspect(SqliteDb &db)
{
    SqliteStatement count(db, "SELECT count(*) FROM sqlite_master");
    if (!count.next()) {
        // Only a file that is no database or is damaged is unreadable; a full disk or a lock says nothing of it.
        const int code = db.errorCode();
        if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT)
            return Kind::Unreadable;
        return code == SQLITE_BUSY || code == SQLITE_LOCKED ? Kind::Locked : Kind::Unavailable;
    }
    const qint64 objects = count.int64(0);
    const qint64 application = db.scalar("PRAGMA application_id");
    const qint64 version = db.scalar("PRAGMA user_version");
    if (objects == 0 && application == 0 && version == 0)
        return Kind::Empty;
    if (application != kApplicationId)
        return Kind::Foreign;
    if (version == 1 && hasTable(db, "answers"))
        return Kind::Ours;
    if ((version == 2 || version == kCurrentVersion) && hasTable(db, "series") && hasTable(db, "answer"))
        return Kind::Ours;
    return Kind::Foreign;
}

bool bringUpToDate(SqliteDb &db)
{
    if (db.scalar("PRAGMA user_version") == kCurrentVersion)
        return true;
    // The layout is read again under the write lock: another game may have moved it up meanwhile.
    if (!db.exec("BEGIN IMMEDIATE"))
        return false;
    const qint64 version = db.scalar("PRAGMA user_version");
    QByteArray steps;
    if (version == 0 || version == 1)
        steps = kVersion2Tables;
    if (version == 1)
        steps += kVersion1To2;
    if (version >= 0 && version <= 2)
        steps += QByteArray(kVersion2To3) + stamp(kCurrentVersion);
    if ((version == kCurrentVersion || (!steps.isEmpty() && db.exec(steps.constData()))) && db.exec("COMMIT"))
        return true;
    db.exec("ROLLBACK");
    return false;
}

bool createVersion2(SqliteDb &db)
{
    return inTransaction(db, (kVersion2Tables + stamp(2)).constData());
}

bool createVersion1(SqliteDb &db)
{
    const QByteArray sql = QByteArray(R"(
CREATE TABLE answers(
    player TEXT NOT NULL,
    started_at INTEGER NOT NULL,
    max_seconds INTEGER NOT NULL,
    question INTEGER NOT NULL,
    degree INTEGER,
    answered_at INTEGER NOT NULL);
PRAGMA user_version = 1;
PRAGMA application_id = )") + QByteArray::number(kApplicationId) + ";";
    return inTransaction(db, sql.constData());
}

}  // namespace HistorySchema
