// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

// One presented question of the series, in the order of presentation. A degree
// of 0 means no right answer was recorded for it.
struct ResultRow {
    QString term;
    double degree = 0;
};

// The results of the series so far, as the report file and the results table show them.
struct QuizResults {
    QString name;                 // as typed in the name box
    double timeLimit = 30;        // seconds as picked, without the grace seconds
    int questionCount = 1;        // presented questions, the one on show included
    double degreeSum = 0;
    std::vector<ResultRow> rows;  // rows[n - 1] for the n-th presented question, n = 1..questionCount

    // The sum of degrees over the presented questions, halves to the even neighbour; 0 for none.
    int average() const;
};
