// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryReader.h"

#include "HistorySchema.h"
#include "SqliteStatement.h"

#include <QFileInfo>

#include <algorithm>

HistoryReader::HistoryReader(const QString &path) : m_path(path) {}

bool HistoryReader::ready()
{
    if (!m_db.isOpen()) {
        if (!QFileInfo::exists(m_path) || !m_db.open(m_path, SqliteDb::Mode::ReadOnly))
            return false;
        m_db.exec("PRAGMA busy_timeout = 2000");
    }
    return m_db.scalar("PRAGMA user_version") == HistorySchema::kCurrentVersion;
}

std::vector<QuestionMastery> HistoryReader::mastery(const std::optional<QString> &player, int recentTries)
{
    std::vector<QuestionMastery> result;
    if (!ready())
        return result;
    // The asked questions come from hops along the (question, id) index, and each question's latest tries from
    // a short walk down it, newest first: no pass over the whole history and no sort of it.
    const QByteArray latest = R"(
        (SELECT coalesce(a.degree, 0) AS degree FROM answer a JOIN series s ON s.id = a.series_id
         WHERE a.question = asked.question AND (?1 IS NULL OR s.player = ?1) ORDER BY a.id DESC LIMIT ?2))";
    const QByteArray sql = R"(
        WITH RECURSIVE asked(question) AS (
            SELECT min(question) FROM answer
            UNION ALL
            SELECT (SELECT min(question) FROM answer WHERE question > asked.question) FROM asked
            WHERE asked.question IS NOT NULL)
        SELECT * FROM (SELECT question, (SELECT count(*) FROM )" + latest + R"() AS tries,
                                        (SELECT avg(degree) FROM )" + latest + R"() AS average
                       FROM asked WHERE question IS NOT NULL)
        WHERE tries > 0)";
    SqliteStatement query(m_db, sql.constData());
    query.bind(1, player);
    query.bind(2, static_cast<qint64>(recentTries));
    while (query.next())
        result.push_back({static_cast<int>(query.int64(0)), static_cast<int>(query.int64(1)), query.real(2)});
    return result;
}

std::vector<SeriesAverage> HistoryReader::seriesAverages(const std::optional<QString> &player)
{
    std::vector<SeriesAverage> result;
    if (!ready())
        return result;
    SqliteStatement query(m_db, R"(
        SELECT started_at, degree_sum / answer_count, answer_count FROM series
        WHERE answer_count > 0 AND (?1 IS NULL OR player = ?1)
        ORDER BY started_at, id)");
    query.bind(1, player);
    while (query.next())
        result.push_back({query.int64(0), query.real(1), static_cast<int>(query.int64(2))});
    return result;
}

std::vector<AnswerRow> HistoryReader::answers(const std::optional<QString> &player)
{
    std::vector<AnswerRow> result;
    if (!ready())
        return result;
    SqliteStatement query(m_db, R"(
        SELECT s.player, s.started_at, s.max_seconds, a.question, a.outcome, a.degree,
               a.wrong_clicks, a.seconds_used, a.hint_opened, a.answered_at
        FROM answer a JOIN series s ON s.id = a.series_id
        WHERE ?1 IS NULL OR s.player = ?1
        ORDER BY a.id)");
    query.bind(1, player);
    while (query.next()) {
        AnswerRow row;
        row.player = query.text(0);
        row.seriesStartedAt = query.int64(1);
        row.maxSeconds = static_cast<int>(query.int64(2));
        row.question = static_cast<int>(query.int64(3));
        row.outcome = static_cast<AnswerOutcome>(std::clamp<qint64>(query.int64(4), 0, 2));
        if (!query.isNull(5))
            row.degree = query.real(5);
        row.wrongClicks = static_cast<int>(query.int64(6));
        row.secondsUsed = static_cast<int>(query.int64(7));
        row.hintOpened = query.int64(8) != 0;
        row.answeredAt = query.int64(9);
        result.push_back(std::move(row));
    }
    return result;
}

std::vector<QuestionMastery> HistoryReader::weakest(std::vector<QuestionMastery> mastery, std::size_t count)
{
    std::stable_sort(mastery.begin(), mastery.end(), [](const QuestionMastery &a, const QuestionMastery &b) {
        if (a.average != b.average)
            return a.average < b.average;
        if (a.tries != b.tries)
            return a.tries > b.tries;
        return a.question < b.question;
    });
    mastery.resize(std::min(count, mastery.size()));
    return mastery;
}
