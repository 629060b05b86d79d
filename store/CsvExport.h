// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HistoryReader.h"

#include <QStringList>

#include <vector>

class QIODevice;

// The history as comma-separated UTF-8 text for a spreadsheet, one row per answer.
namespace CsvExport {

// `terms` holds the term of question q at index q. False when the device refused the text.
bool write(QIODevice &device, const std::vector<AnswerRow> &rows, const QStringList &terms);
// One field, quoted when it must be; a leading sign a spreadsheet would run as a formula is escaped.
QString field(const QString &text);

}  // namespace CsvExport
