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

std::vector<PrintLine> resultRows(int questionCount, const std::vector<double> &answeredDegree,
                                  const std::vector<QString> &answeredTerm)
{
    std::vector<PrintLine> rows;
    for (int n = 1; n <= questionCount; ++n) {
        const auto row = static_cast<std::size_t>(n);
        const double degree = row < answeredDegree.size() ? answeredDegree[row] : 0.0;
        const QString number = QStringLiteral("  ") + threeDigits(n);
        if (degree > 0) {
            const QString term = row < answeredTerm.size() ? answeredTerm[row] : QString();
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
