// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <vector>

// What the report is made of: the state of the series at the moment of Exit.
struct ReportInput {
    QDate date;
    QLocale locale;  // month names
    QString name;
    double maxSeconds = 32;  // the time limit plus two
    int questionCount = 1;
    double degreeSum = 0;
    std::vector<double> answeredDegree;
    std::vector<QString> answeredTerm;
};

// The text of the results report, every line ending in CR LF.
QString resultsReportText(const ReportInput &input);
