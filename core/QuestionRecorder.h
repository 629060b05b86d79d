// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AnswerLog.h"

// Follows the question on show from its presentation to its end and tells an
// AnswerLog, if there is one, once per question and once per series.
class QuestionRecorder {
public:
    void setLog(AnswerLog *log) { m_log = log; }

    void seriesStarted(const QString &playerName, int maxSeconds);
    // Question `question` is on show now; ends, as left, the one before it.
    void presented(int question);
    // The question on show was left without an end of its own.
    void left() { end(AnswerOutcome::Left, 0); }
    void end(AnswerOutcome outcome, double degree);

    void wrongClick();
    void hintOpened();
    void secondPassed();

private:
    AnswerLog *m_log = nullptr;
    bool m_seriesStarted = false;
    bool m_open = false;  // a question of a started series is on show and not yet over
    AnswerRecord m_record;
};
