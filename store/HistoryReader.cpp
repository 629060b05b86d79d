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
    // One short walk down the (question, id) index per question, newest first: no sort of the whole history.
    std::vector<int> questions;
    SqliteStatement asked(m_db, "SELECT DISTINCT question FROM answer ORDER BY question");
    while (asked.next())
        questions.push_back(static_cast<int>(asked.int64(0)));
    SqliteStatement recent(m_db, R"(
        SELECT coalesce(a.degree, 0) FROM answer a JOIN series s ON s.id = a.series_id
        WHERE a.question = ?1 AND (?2 IS NULL OR s.player = ?2)
        ORDER BY a.id DESC LIMIT ?3)");
    for (int question : questions) {
        recent.reset();
        recent.bind(1, static_cast<qint64>(question));
        recent.bind(2, player);
        recent.bind(3, static_cast<qint64>(recentTries));
        QuestionMastery m{question, 0, 0};
        double sum = 0;
        while (recent.next()) {
            sum += recent.real(0);
            ++m.tries;
        }
        if (m.tries > 0) {
            m.average = sum / m.tries;
            result.push_back(m);
        }
    }
    return result;
}

std::vector<SeriesAverage> HistoryReader::seriesAverages(const std::optional<QString> &player)
{
    std::vector<SeriesAverage> result;
    if (!ready())
        return result;
    SqliteStatement query(m_db, R"(
        SELECT s.started_at, avg(coalesce(a.degree, 0)), count(*)
        FROM series s JOIN answer a ON a.series_id = s.id
        WHERE ?1 IS NULL OR s.player = ?1
        GROUP BY s.id ORDER BY s.started_at, s.id)");
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
