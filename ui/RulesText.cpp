// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RulesText.h"

#include "QuestionBank.h"

namespace {

// Each piece of the text with what follows it on the splash and in the help. In the
// splash a line feed starts the next paragraph; in the help it starts the next line.
struct RulesPiece {
    const char *text;
    const char *splashAfter;
    const char *helpAfter;
};

constexpr RulesPiece kRules[] = {
    {"The program tries to help you to test your basic engineering knowledge's.", "  ", "\n"},
    {"In this version there are {questions} questions about units, definitions, etc\u2026.", "  ", "\n"},
    {"The arrangement of the questions as will as the answers is random.", "  ", "\n"},
    {"You can choose the questions from words list by dblclick on the word you", " ", "\n"},
    {"want.", "\n", " "},
    {"In each question there are four answers, one of them either wrong or", " ", "\n"},
    {"doesn't agree with the definition, try to find out this odd answer.", "  ", "\n"},
    {"If you do well from the first time your degree will be 100% in this question", ",  ", ".,\n"},
    {"if not your maximum degree will be reduced by 25%  and so on.", "\n", " "},
    {"If you don't", " ", "\n"},
    {"click on any answer and click on the ''Next question'' button your degree in", " ", "\n"},
    {"this question will be 0", " %.   ", "%. "},
    {"After you click on the ''Next question'' button", " ", "\n"},
    {"you will see the total degree for the all previous questions.", " ", ""},
};

QStringList laidOut(const char *RulesPiece::*after)
{
    QString text;
    for (const RulesPiece &piece : kRules)
        text += QString::fromUtf8(piece.text) + QString::fromUtf8(piece.*after);
    return QuestionBank::withQuestionTotal(text).split(u'\n');
}

}  // namespace

QStringList RulesText::splashParagraphs()
{
    return laidOut(&RulesPiece::splashAfter);
}

QStringList RulesText::helpLines()
{
    QStringList lines = laidOut(&RulesPiece::helpAfter);
    for (QString &line : lines)
        line.prepend(u' ');
    return lines;
}
