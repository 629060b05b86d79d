// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AnswerLog.h"
#include "SqliteDb.h"

#include <QString>

#include <optional>
#include <vector>

// How one question has gone lately. A question left without an answer counts as a try at 0 %.
struct QuestionMastery {
    int question = 0;
    int tries = 0;         // the recent tries taken, at most as many as asked for
    double average = 0;    // their mean degree
};

struct SeriesAverage {
    qint64 startedAt = 0;  // ms since the epoch
    double average = 0;    // the mean degree over its presented questions
    int answers = 0;
};

struct AnswerRow {
    QString player;
    qint64 seriesStartedAt = 0;
    int maxSeconds = 0;
    int question = 0;
    AnswerOutcome outcome = AnswerOutcome::Left;
    std::optional<double> degree;  // none for a question left
    int wrongClicks = 0;
    int secondsUsed = 0;
    bool hintOpened = false;
    qint64 answeredAt = 0;
};

// Reads the history for the progress window and the export, through its own
// read-only connection; a missing file reads as an empty history. A player of
// none means every player.
class HistoryReader {
public:
    explicit HistoryReader(const QString &path);

    std::vector<QuestionMastery> mastery(const std::optional<QString> &player, int recentTries = 3);
    std::vector<SeriesAverage> seriesAverages(const std::optional<QString> &player);
    std::vector<AnswerRow> answers(const std::optional<QString> &player);

    // The asked questions from the weakest up: lowest average, then most tries, then question number.
    static std::vector<QuestionMastery> weakest(std::vector<QuestionMastery> mastery, std::size_t count);

private:
    bool ready();

    QString m_path;
    SqliteDb m_db;
};
