#include "ReportFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace ReportFile {

bool writeAll(QIODevice &file, const QByteArray &bytes)
{
    return file.write(bytes) == bytes.size();
}

QString save(const QString &directory, const QByteArray &bytes, const Writer &write)
{
    const QString path = QDir(directory).filePath(QLatin1String(kName));
    const QFileInfo existing(path);
    // A link at the report's place is replaced by the report, never written through.
    if (existing.isSymLink()) {
        if (!QFile::remove(path))
            return QStringLiteral("a link of that name cannot be replaced");
    } else if (existing.isDir()) {
        return QStringLiteral("a folder of that name is in the way");
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (!write(file, bytes)) {
        const QString why = file.error() != QFileDevice::NoError ? file.errorString()
                                                                  : QStringLiteral("the disk took only part of it");
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

}  // namespace ReportFile
