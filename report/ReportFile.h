#pragma once

#include <QByteArray>
#include <QString>

// The report file in the working directory.
namespace ReportFile {

inline constexpr char kName[] = "VexlorOut.txt";

// Replaces the file as a whole through a temporary file and a rename, so no
// reader ever sees half a report. Returns an empty text, or why it failed.
QString save(const QString &directory, const QByteArray &bytes);

}  // namespace ReportFile
