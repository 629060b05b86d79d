#include "ReportHandOver.h"

#include "ReportFile.h"

#include <QStringEncoder>

HandOverOutcome writeReportAndOpen(const ReportInput &input, const QString &directory,
                                   const ViewerStarter &startViewer)
{
    QStringEncoder encoder(QStringConverter::System);
    const QByteArray bytes = encoder.encode(resultsReportText(input));
    HandOverOutcome outcome;
    outcome.error = ReportFile::save(directory, bytes);
    outcome.written = outcome.error.isEmpty();
    if (outcome.written)
        outcome.viewerStarted = startViewer(QLatin1String(ReportFile::kName));
    return outcome;
}
