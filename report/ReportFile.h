#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

// The report file in the working directory.
namespace ReportFile {

inline constexpr char kName[] = "VexlorOut.txt";

// Puts the bytes into the opened file; false when not all of them went in.
using Writer = std::function<bool(QIODevice &file, const QByteArray &bytes)>;
bool writeAll(QIODevice &file, const QByteArray &bytes);

// Replaces the file as a whole through a temporary file and a rename, so no
// reader ever sees half a report and an older one is never appended to.
// Returns an empty text, or why it failed.
QString save(const QString &directory, const QByteArray &bytes, const Writer &write = writeAll);

}  // namespace ReportFile
