// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuestionRecorder.h"

void QuestionRecorder::seriesStarted(const QString &playerName, int maxSeconds)
{
    m_seriesStarted = true;
    if (m_log)
        m_log->seriesStarted(playerName, maxSeconds);
}

void QuestionRecorder::presented(int question)
{
    left();
    if (!m_seriesStarted)
        return;
    m_record = AnswerRecord{};
    m_record.question = question;
    m_open = true;
}

void QuestionRecorder::end(AnswerOutcome outcome, double degree)
{
    if (!m_open)
        return;
    m_open = false;
    m_record.outcome = outcome;
    m_record.degree = degree;
    if (m_log)
        m_log->questionEnded(m_record);
}

void QuestionRecorder::wrongClick()
{
    if (m_open)
        ++m_record.wrongClicks;
}

void QuestionRecorder::hintOpened()
{
    if (m_open)
        m_record.hintOpened = true;
}

void QuestionRecorder::secondPassed()
{
    if (m_open)
        ++m_record.secondsUsed;
}
