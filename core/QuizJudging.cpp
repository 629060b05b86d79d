// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
// Judging a click on an answer tile, scoring and rating.
#include "Quiz.h"

#include "PlainNumber.h"
#include "QuestionBank.h"
#include "Rating.h"

void Quiz::Picture1_Click(int Index)
{
    LastClickedTile = Index;
    controls.Text2.visible = true;
    if (Index == OddTile[CurrentQuestion]) {
        controls.ProgressBar1.value = 0;
        TimerArmed = false;
        controls.Text5.visible = false;
        controls.Text2.write(QuestionBank::rightAnswerMessage(CurrentQuestion));
        const int average = ScoreQuestion();
        recordAnswer(QuestionCount);
        m_recorder.end(AnswerOutcome::Right, QuestionDegree[CurrentQuestion]);
        ShowRating(average, true);
        setTilesEnabled(false);
    } else {
        m_recorder.wrongClick();
        DegreeFactor -= 0.25;
        if (DegreeFactor < 0.25)
            DegreeFactor = 0.25;
        controls.Text2.write(QStringLiteral("Please, Try again. "));
        controls.Text3.write(QStringLiteral("Your max. degree is ") + plainNumber(100 * DegreeFactor) +
                             QStringLiteral(" % in this question."));
        m_cues.PlayCue(DegreeFactor < 0.75 ? Cue::MMControl3 : Cue::MMControl1, kTileClickCommands);
    }
    if (QuestionCount == QuestionTotal)
        controls.Command1Visible = false;
}

int Quiz::ScoreQuestion()
{
    QuestionDegree[CurrentQuestion] = 100 * DegreeFactor;
    controls.Text3.write(QStringLiteral("You have got ") + plainNumber(QuestionDegree[CurrentQuestion]) +
                         QStringLiteral(" % in this question."));
    DegreeSum += 100 * DegreeFactor;
    const int average = QuestionCount > 0 ? roundHalfToEven(DegreeSum / QuestionCount) : 0;
    controls.Text4.write(QStringLiteral("You have got ") + QString::number(average) + QStringLiteral(" % in ") +
                         QString::number(QuestionCount) + QStringLiteral(" questions."));
    return average;
}

void Quiz::recordAnswer(int row)
{
    const auto needed = static_cast<std::size_t>(row) + 1;
    if (AnsweredTerm.size() < needed) {
        AnsweredTerm.resize(needed);
        AnsweredDegree.resize(needed);
    }
    AnsweredDegree[row] = QuestionDegree[CurrentQuestion];
    AnsweredTerm[row] = Term[CurrentQuestion];
}

void Quiz::ShowRating(int AverageDegree, bool withCue)
{
    const Rating rating = ratingFor(AverageDegree);
    controls.Text1.write(rating.word);
    if (withCue)
        m_cues.PlayCue(rating.cue, kTileClickCommands);
}
