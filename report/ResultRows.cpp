// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultRows.h"

#include <cmath>

namespace {

// The patterns "  000" and "000": at least three digits with leading zeros.
QString threeDigits(long long value)
{
    return QStringLiteral("%1").arg(value, 3, 10, QChar(u'0'));
}

}  // namespace

std::vector<PrintLine> resultRows(const QuizResults &results)
{
    std::vector<PrintLine> rows;
    for (std::size_t i = 0; i < results.rows.size(); ++i) {
        const double degree = results.rows[i].degree;
        const QString &term = results.rows[i].term;
        const QString number = QStringLiteral("  ") + threeDigits(static_cast<long long>(i) + 1);
        if (degree > 0) {
            rows.push_back({PrintItem::textItem(number), PrintItem::zone(), PrintItem::zone(),
                            PrintItem::textItem(threeDigits(std::llround(degree)) + QStringLiteral(" %")),
                            PrintItem::zone(), PrintItem::textItem(term)});
        } else if (degree == 0) {
            rows.push_back({PrintItem::textItem(number + QStringLiteral(" has no answer."))});
        }
    }
    return rows;
}

QString printInColumns(const PrintLine &line)
{
    QString text;
    for (const PrintItem &item : line) {
        if (item.kind == PrintItem::Kind::Text) {
            text += item.text;
        } else {
            const int column = static_cast<int>(text.size());
            text += QString(nextZoneStart(column, kZoneColumns) - column, u' ');
        }
    }
    return text;
}
