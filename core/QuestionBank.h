// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The fixed content of the quiz, read by question number 1..100.
namespace QuestionBank {

inline constexpr int kQuestionTotal = 100;

QString term(int question);
QString hint(int question);
int oddPicture(int question);

// What a right answer says, chosen by question number.
QString rightAnswerMessage(int question);

}  // namespace QuestionBank
