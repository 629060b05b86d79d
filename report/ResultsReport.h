// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QuizResults.h"

#include <QDate>
#include <QLocale>
#include <QString>

// What the report is made of: the results of the series at the moment of Exit.
struct ReportInput {
    QDate date;
    QLocale locale;  // month names
    QuizResults results;
};

// The text of the results report, every line ending in CR LF.
QString resultsReportText(const ReportInput &input);
