// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuizSeries.h"

#include "QuestionBank.h"

#include <algorithm>
#include <cmath>

QuizSeries::QuizSeries(const TimeOfDay &clock, UniformRandom &random, QuizState &state)
    : m_clock(clock), m_random(random), m_state(state)
{
    m_state.QuestionFree.resize(QuestionBank::kQuestionTotal + 2);  // entries 0 to QuestionTotal + 1
}

int QuizSeries::DrawByClock() const
{
    const double T = m_clock.secondsSinceMidnight() / 86400.0;
    const double A = std::trunc(T * 1000);
    const double B = std::trunc(T * 100000);
    double C = B - 100 * A;
    if (C < 2)
        C = 10;
    double D = std::trunc(C * m_state.QuestionTotal / 90);
    if (D > m_state.QuestionTotal)
        D = std::trunc(D / 2);
    return static_cast<int>(D);
}

void QuizSeries::freeAllQuestions()
{
    for (int q = 1; q <= m_state.QuestionTotal; ++q)
        m_state.QuestionFree[q] = 1;
}

bool QuizSeries::PickNextQuestion()
{
    std::vector<int> &QuestionFree = m_state.QuestionFree;
    const int D = DrawByClock();
    if (QuestionFree[D] > 0) {
        QuestionFree[D] = -1;
        m_state.CurrentQuestion = D;
        return true;
    }
    // The scan counts with ElapsedSeconds and leaves it past the end when it
    // finds nothing, which keeps the countdown quiet after the series.
    int &ElapsedSeconds = m_state.ElapsedSeconds;
    for (ElapsedSeconds = 1; ElapsedSeconds <= m_state.QuestionTotal; ++ElapsedSeconds) {
        if (QuestionFree[ElapsedSeconds] > 0) {
            QuestionFree[ElapsedSeconds] = -1;
            m_state.CurrentQuestion = ElapsedSeconds;
            return true;
        }
    }
    return false;
}

void QuizSeries::PlaceAnswers(int q)
{
    const double U = m_random.next();
    // A generator that breaks its promise 0 <= U < 1 must still give one of the four rotations.
    const int R = std::clamp(static_cast<int>(U * 3.5) + 1, 1, 4);
    m_state.OddTile[q] = ((m_state.OddPicture[q] - R) % 4 + 4) % 4 + 1;
    putPictures(q, R);
}

void QuizSeries::putPictures(int q, int R)
{
    for (int t = 1; t <= 4; ++t) {
        const int k = (t + R - 2) % 4 + 1;
        m_state.controls.Picture1[t].picture = 4 * (q - 1) + k;
    }
}
