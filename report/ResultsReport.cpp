// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultsReport.h"

#include "NameLine.h"
#include "PlainNumber.h"
#include "ResultRows.h"

#include <cmath>

namespace {

QString repeated(QChar c, int count)
{
    return QString(count, c);
}

// A number as the report writes it: sign place, digits, then a blank.
QString reportNumber(double value)
{
    const QString sign = value < 0 ? QStringLiteral("-") : QStringLiteral(" ");
    return sign + plainNumber(std::fabs(value)) + QStringLiteral(" ");
}

// The name as typed, kept on its one line, where a control character that would
// act on a terminal or a printer shows as "?". Tabs are harmless and stay.
QString oneLine(const QString &name)
{
    QString line = NameLine::breaksAsBlanks(name);
    for (QChar &c : line) {
        if (c.category() == QChar::Other_Control && c != u'\t')
            c = QChar(u'?');
    }
    return line;
}

}  // namespace

QString resultsReportText(const ReportInput &input)
{
    const QString at = repeated(u'@', 75);
    const QString dash = repeated(u'-', 75);
    const QString date = QStringLiteral("%1 %2 %3")
                             .arg(input.date.day(), 2, 10, QChar(u'0'))
                             .arg(input.locale.monthName(input.date.month(), QLocale::LongFormat))
                             .arg(input.date.year(), 4, 10, QChar(u'0'));
    const QuizResults &results = input.results;

    QStringList lines;
    lines << at << QStringLiteral("@@@@@@@@@@@         Output Results of Vexlor   (") + date + QStringLiteral(")") << at;
    lines << QStringLiteral(" ") << QStringLiteral(" ") << QStringLiteral(" ");
    lines << QStringLiteral("                    Name: ") + oneLine(results.name);
    lines << QStringLiteral(" ") << QStringLiteral(" ") << QStringLiteral(" ");
    lines << QStringLiteral(" Maximum time for question = ") + reportNumber(results.timeLimit) +
                 QStringLiteral("Seconds");
    lines << QStringLiteral(" ") << dash;
    lines << QStringLiteral("Question No.") + repeated(u' ', 15) + QStringLiteral("Degree") + repeated(u' ', 9) +
                 QStringLiteral("in question of") + repeated(u' ', 22);
    lines << dash << QStringLiteral(" ");
    for (const PrintLine &row : resultRows(results))
        lines << printInColumns(row);
    lines << QStringLiteral(" ") << at;
    lines << QStringLiteral("@@@@@             Total degree is ") + QString::number(results.average()) + QStringLiteral(" % in ") +
                 QString::number(results.questionCount) + QStringLiteral(" questions.             @@@@@@");
    lines << at;

    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}
