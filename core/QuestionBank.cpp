// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuestionBank.h"

namespace QuestionBank {

namespace {

const QuestionEntry &entry(int question)
{
    return kQuestionEntries.at(static_cast<std::size_t>(question - 1));
}

bool isOneOf(int question, std::initializer_list<int> numbers)
{
    for (int n : numbers) {
        if (n == question)
            return true;
    }
    return false;
}

}  // namespace

QString term(int question)
{
    return QString::fromUtf8(entry(question).term);
}

QString hint(int question)
{
    return QString::fromUtf8(entry(question).hint);
}

int oddPicture(int question)
{
    return entry(question).oddPicture;
}

QString withQuestionTotal(const QString &text)
{
    return QString(text).replace(QStringLiteral("{questions}"), QString::number(kQuestionTotal));
}

QString rightAnswerMessage(int question)
{
    // The plural "s" is appended to whatever the term is, as the quiz has always said it.
    if (question <= 31 || isOneOf(question, {33, 34, 63, 64, 65}))
        return QStringLiteral("Right. All are ") + term(question) + QStringLiteral("s except this one. ");
    if (isOneOf(question, {32, 75, 80}))
        return QStringLiteral("Right. All are equal ") + term(question) + QStringLiteral(" except this one. ");
    if (question == 37)
        return QStringLiteral("Right. All are ") + term(question) + QStringLiteral(" except this one. ");
    if (isOneOf(question, {35, 43}))
        return QStringLiteral("Right. All are Multiples (>1) of units except this one. ");
    if (isOneOf(question, {36, 44}))
        return QStringLiteral("Right. All are Submultiples (<1) of units except this one. ");
    if (question == 38)
        return QStringLiteral("Right. All the Resultant forces ''R'' are correct except this one. ");
    if (question == 40)
        return QStringLiteral("Right. All are Indefinite Quantities except this one. ");
    if (question == 74)
        return QStringLiteral("Right. All the axes of wrench is Y-axis except this one. ");
    return QStringLiteral("Right. All are correct except this one. ");
}

}  // namespace QuestionBank
