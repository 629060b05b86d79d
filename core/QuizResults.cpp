// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuizResults.h"

#include "Rating.h"

int QuizResults::average() const
{
    return questionCount != 0 ? roundHalfToEven(degreeSum / questionCount) : 0;
}
