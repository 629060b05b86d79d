// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Quiz.h"

#include "Contact.h"
#include "QuestionBank.h"

#include <cmath>

namespace {

constexpr int kTableRows = 102;  // entries 0 to 101
constexpr int kMessageInterval = 3000;
constexpr int kCountdownInterval = 1000;

}  // namespace

QString plainNumber(double value)
{
    if (value == std::trunc(value))
        return QString::number(static_cast<long long>(value));
    return QString::number(value, 'g', 15);
}

Quiz::Quiz(const TimeOfDay &clock, UniformRandom &random, CuePlayer &cues)
    : Term(kTableRows), Hint(kTableRows), OddPicture(kTableRows),
      QuestionFree(kTableRows), OddTile(kTableRows), QuestionDegree(kTableRows),
      AnsweredTerm(kTableRows), AnsweredDegree(kTableRows),
      m_clock(clock), m_random(random), m_cues(cues)
{
}

void Quiz::Form_Load()
{
    controls.Timer1.setInterval(kMessageInterval);
    QuestionTotal = QuestionBank::kQuestionTotal;
    MaxSeconds = 32;
    controls.caption = QStringLiteral("Vexlor 1.0 - Quelro Programs, ") + Contact::line() + QStringLiteral(" (") +
                       QString::number(QuestionTotal) + QStringLiteral(" questions)");
    QuestionCount = 1;
    DegreeFactor = 1;

    for (int t = 1; t <= 4; ++t)
        TileLeft[t] = static_cast<float>(controls.Picture1[t].left);
    for (int t = 1; t <= 4; ++t)
        TileTop[t] = static_cast<float>(controls.Picture1[t].top);

    const int drawn = DrawByClock();
    freeAllQuestions();
    // The first question of a series stays free, so the series may show it again.
    CurrentQuestion = drawn;
    putPictures(drawn, 1);  // unrotated

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
    TimerArmed = 1;
    ElapsedSeconds = 0;
    controls.Timer2.setInterval(kCountdownInterval);
}

void Quiz::setTilesEnabled(bool enabled)
{
    for (int t = 1; t <= 4; ++t)
        controls.Picture1[t].enabled = enabled;
}
