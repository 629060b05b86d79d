// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// How a presented question ended.
enum class AnswerOutcome {
    Right,     // the odd card was found; degree is 100, 75, 50 or 25
    TimedOut,  // the time ran out; degree 0
    Left,      // left through "Next Question", a word-list choice or "Restart" without a right answer
};

// One presented question, as it ended.
struct AnswerRecord {
    int question = 0;  // question number
    AnswerOutcome outcome = AnswerOutcome::Left;
    double degree = 0;  // meaningful for Right and TimedOut only
    int wrongClicks = 0;
    int secondsUsed = 0;
    bool hintOpened = false;
};

// Listens to the play for a lasting record of it. Calls come on the
// user-interface thread, in the order of play, and must return at once.
class AnswerLog {
public:
    virtual ~AnswerLog() = default;
    // "Start", and every "Restart" after it: a new series for this name and limit.
    virtual void seriesStarted(const QString &playerName, int maxSeconds) = 0;
    // A presented question of the current series is over.
    virtual void questionEnded(const AnswerRecord &record) = 0;
};
