// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportHandOver.h"

#include "LocaleEncoding.h"
#include "ReportFile.h"

HandOverOutcome writeReportAndOpen(const ReportInput &input, const QString &directory,
                                   const ViewerStarter &startViewer)
{
    const QByteArray bytes = LocaleEncoding::encode(resultsReportText(input));
    HandOverOutcome outcome;
    outcome.error = ReportFile::save(directory, bytes);
    outcome.written = outcome.error.isEmpty();
    if (outcome.written)
        outcome.viewerStarted = startViewer(QLatin1String(ReportFile::kName));
    return outcome;
}
