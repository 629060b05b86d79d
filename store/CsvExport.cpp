// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvExport.h"

#include <QDateTime>
#include <QIODevice>

namespace CsvExport {

namespace {

QString localTime(qint64 msSinceEpoch)
{
    return QDateTime::fromMSecsSinceEpoch(msSinceEpoch).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString outcomeWord(AnswerOutcome outcome)
{
    switch (outcome) {
    case AnswerOutcome::Right: return QStringLiteral("right");
    case AnswerOutcome::TimedOut: return QStringLiteral("timed out");
    case AnswerOutcome::Left: return QStringLiteral("left");
    }
    return QString();
}

}  // namespace

QString field(const QString &text)
{
    QString value = text;
    if (!value.isEmpty() && QStringLiteral("=+-@\t\r").contains(value.front()))
        value.prepend(u'\'');
    if (value.contains(u',') || value.contains(u'"') || value.contains(u'\n') || value.contains(u'\r')
        || (!value.isEmpty() && (value.front() == u' ' || value.back() == u' ')))
        return u'"' + value.replace(u'"', QStringLiteral("\"\"")) + u'"';
    return value;
}

bool write(QIODevice &device, const std::vector<AnswerRow> &rows, const QStringList &terms)
{
    // The byte-order mark tells spreadsheets the text is UTF-8; rows end in CR LF as RFC 4180 has it.
    QByteArray out("\xEF\xBB\xBF"
                   "player,series started,time limit (s),question,term,outcome,degree (%),wrong clicks,"
                   "seconds used,hint opened,answered at\r\n");
    for (const AnswerRow &row : rows) {
        const QString term = row.question >= 0 && row.question < terms.size() ? terms[row.question] : QString();
        const QStringList fields = {
            field(row.player),
            localTime(row.seriesStartedAt),
            QString::number(row.maxSeconds),
            QString::number(row.question),
            field(term),
            outcomeWord(row.outcome),
            row.degree ? QString::number(*row.degree) : QString(),
            QString::number(row.wrongClicks),
            QString::number(row.secondsUsed),
            row.hintOpened ? QStringLiteral("yes") : QStringLiteral("no"),
            localTime(row.answeredAt),
        };
        out += fields.join(u',').toUtf8() + "\r\n";
    }
    return device.write(out) == out.size();
}

}  // namespace CsvExport
