// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Quiz.h"

#include "Contact.h"
#include "QuestionBank.h"

namespace {

constexpr int kTableRows = QuestionBank::kQuestionTotal + 2;  // entries 0 to QuestionTotal + 1
constexpr int kMessageInterval = 3000;
constexpr int kCountdownInterval = 1000;

}  // namespace

Quiz::Quiz(const TimeOfDay &clock, UniformRandom &random, CuePlayer &cues)
    : m_cues(cues), m_series(clock, random, *this)
{
    Term.resize(kTableRows);
    Hint.resize(kTableRows);
    OddPicture.resize(kTableRows);
    OddTile.resize(kTableRows);
    QuestionDegree.resize(kTableRows);
    AnsweredTerm.resize(kTableRows);
    AnsweredDegree.resize(kTableRows);
}

void Quiz::Form_Load()
{
    controls.Timer1.setInterval(kMessageInterval);
    QuestionTotal = QuestionBank::kQuestionTotal;
    MaxSeconds = 32;  // the preset 30 and the grace seconds
    controls.caption = QStringLiteral("Vexlor 1.0 - Quelro Programs, ") + Contact::line() + QStringLiteral(" (") +
                       QString::number(QuestionTotal) + QStringLiteral(" questions)");
    QuestionCount = 1;
    DegreeFactor = 1;

    for (int t = 1; t <= 4; ++t)
        TileLeft[t] = static_cast<float>(controls.Picture1[t].left);
    for (int t = 1; t <= 4; ++t)
        TileTop[t] = static_cast<float>(controls.Picture1[t].top);

    const int drawn = m_series.DrawByClock();
    m_series.freeAllQuestions();
    // The first question of a series stays free, so the series may show it again.
    CurrentQuestion = drawn;
    m_series.putPictures(drawn, 1);  // unrotated

    for (int q = 1; q <= QuestionTotal; ++q) {
        OddPicture[q] = QuestionBank::oddPicture(q);
        OddTile[q] = OddPicture[q];
        Term[q] = QuestionBank::term(q);
        Hint[q] = QuestionBank::hint(q);
    }
    controls.List1.items.clear();
    for (int q = 1; q <= QuestionTotal; ++q)
        controls.List1.items.append(Term[q]);

    ShowHeading(CurrentQuestion);
}

void Quiz::ShowHeading(int q)
{
    controls.Label1.caption = Term[q] + QStringLiteral(": Find the odd one out");
}

void Quiz::ArmCountdown()
{
    TimerArmed = true;
    ElapsedSeconds = 0;
    controls.Timer2.setInterval(kCountdownInterval);
}

void Quiz::setTilesEnabled(bool enabled)
{
    for (int t = 1; t <= 4; ++t)
        controls.Picture1[t].enabled = enabled;
}

QuizResults Quiz::results() const
{
    QuizResults r;
    r.name = controls.Text7;
    r.timeLimit = MaxSeconds - kGraceSeconds;
    r.questionCount = QuestionCount;
    r.degreeSum = DegreeSum;
    // A row past the tables has no entry to read: it counts as unanswered.
    for (int n = 1; n <= QuestionCount; ++n) {
        const auto row = static_cast<std::size_t>(n);
        if (row < AnsweredDegree.size())
            r.rows.push_back({AnsweredTerm[row], AnsweredDegree[row]});
        else
            r.rows.push_back({});
    }
    return r;
}
