// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ResultsReport.h"

#include <QString>

#include <functional>

// The way out through "Exit": the report written whole, then shown.
struct HandOverOutcome {
    bool written = false;
    bool viewerStarted = false;
    QString error;  // why the report could not be written
};

using ViewerStarter = std::function<bool(const QString &bareFileName)>;

// Writes the report into `directory` (empty: the working directory) in the
// encoding of the user's locale and, only when it was written, starts the
// viewer on its bare file name. A report that could not be written is never
// handed over, so no older file passes for this run's.
HandOverOutcome writeReportAndOpen(const ReportInput &input, const QString &directory,
                                   const ViewerStarter &startViewer);
