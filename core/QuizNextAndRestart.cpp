// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
// "Next Question", the end of a series and "Restart".
#include "Quiz.h"

#include <algorithm>

void Quiz::Command1_Click()
{
    m_recorder.left();
    controls.Text3.write(QString());
    controls.Text5.visible = false;
    setTilesEnabled(true);
    DegreeFactor = 1;
    const bool found = m_series.PickNextQuestion();
    ShowHeading(CurrentQuestion);
    if (found) {
        ++QuestionCount;
        controls.Text2.visible = false;
        m_series.PlaceAnswers(CurrentQuestion);
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
    m_series.freeAllQuestions();
    CurrentQuestion = m_series.DrawByClock();
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
    m_series.PlaceAnswers(CurrentQuestion);
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
