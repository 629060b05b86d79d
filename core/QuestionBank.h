// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QuestionBankData.h"

#include <QString>

// The fixed content of the quiz, read by question number 1..kQuestionTotal.
namespace QuestionBank {

inline constexpr int kQuestionTotal = static_cast<int>(kQuestionEntries.size());

QString term(int question);
QString hint(int question);
int oddPicture(int question);

// The text with each "{questions}" replaced by the number of questions in plain digits.
QString withQuestionTotal(const QString &text);

// What a right answer says, chosen by question number.
QString rightAnswerMessage(int question);

}  // namespace QuestionBank
