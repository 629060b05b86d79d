// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
// The order of questions in a series: the clock draw, the scan for a free
// question, the rotation of the answers, "Next Question" and "Restart".
#include "Quiz.h"

#include <algorithm>
#include <cmath>

int Quiz::DrawByClock() const
{
    const double T = m_clock.secondsSinceMidnight() / 86400.0;
    const double A = std::trunc(T * 1000);
    const double B = std::trunc(T * 100000);
    double C = B - 100 * A;
    if (C < 2)
        C = 10;
    double D = std::trunc(C * QuestionTotal / 90);
    if (D > QuestionTotal)
        D = std::trunc(D / 2);
    return static_cast<int>(D);
}

bool Quiz::PickNextQuestion()
{
    const int D = DrawByClock();
    if (QuestionFree[D] > 0) {
        QuestionFree[D] = -1;
        CurrentQuestion = D;
        return true;
    }
    // The scan counts with ElapsedSeconds and leaves it past the end when it
    // finds nothing, which keeps the countdown quiet after the series.
    for (ElapsedSeconds = 1; ElapsedSeconds <= QuestionTotal; ++ElapsedSeconds) {
        if (QuestionFree[ElapsedSeconds] > 0) {
            QuestionFree[ElapsedSeconds] = -1;
            CurrentQuestion = ElapsedSeconds;
            return true;
        }
    }
    return false;
}

void Quiz::PlaceAnswers(int q)
{
    const double U = m_random.next();
    // A generator that breaks its promise 0 <= U < 1 must still give one of the four rotations.
    const int R = std::clamp(static_cast<int>(U * 3.5) + 1, 1, 4);
    OddTile[q] = ((OddPicture[q] - R) % 4 + 4) % 4 + 1;
    putPictures(q, R);
}

// Tile t shows position k of question q, shifted cyclically by the rotation R.
void Quiz::putPictures(int q, int R)
{
    for (int t = 1; t <= 4; ++t) {
        const int k = (t + R - 2) % 4 + 1;
        controls.Picture1[t].picture = 4 * (q - 1) + k;
    }
}

void Quiz::freeAllQuestions()
{
    for (int q = 1; q <= QuestionTotal; ++q)
        QuestionFree[q] = 1;
}

void Quiz::Command1_Click()
{
    m_recorder.left();
    controls.Text3.write(QString());
    controls.Text5.visible = false;
    setTilesEnabled(true);
    DegreeFactor = 1;
    const bool found = PickNextQuestion();
    ShowHeading(CurrentQuestion);
    if (found) {
        ++QuestionCount;
        controls.Text2.visible = false;
        PlaceAnswers(CurrentQuestion);
        ArmCountdown();
        m_recorder.presented(CurrentQuestion);
    } else {
        EndSeries();
    }
}

void Quiz::EndSeries()
{
    controls.Command1Visible = false;
    for (int t = 1; t <= 4; ++t)
        controls.Picture1[t].picture = 0;
    setTilesEnabled(false);
    --QuestionCount;
    CurrentQuestion = QuestionTotal;
    controls.Label1.caption = QStringLiteral(" ");
    controls.Text2.visible = false;
}

void Quiz::Command3_Click()
{
    freeAllQuestions();
    CurrentQuestion = DrawByClock();
    QuestionCount = 1;
    DegreeFactor = 1;
    DegreeSum = 0;
    forgetAnswers();
    controls.Text1.write(QString());
    controls.Text3.write(QString());
    controls.Text4.write(QString());
    controls.Text5.visible = false;
    setTilesEnabled(true);
    controls.Command1Visible = true;
    controls.Text2.write(QStringLiteral(" "));
    PlaceAnswers(CurrentQuestion);
    ShowHeading(CurrentQuestion);
    m_recorder.left();
    startSeriesRecord();
}

// A new series reports only its own answers: every row, including those that
// word-list choices added past the presentation tables, goes back to empty.
void Quiz::forgetAnswers()
{
    std::fill(QuestionDegree.begin(), QuestionDegree.end(), 0.0);
    std::fill(AnsweredDegree.begin(), AnsweredDegree.end(), 0.0);
    std::fill(AnsweredTerm.begin(), AnsweredTerm.end(), QString());
}
