// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pictures.h"

#include "CardPainter.h"
#include "CardSource.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtGlobal>

static void initialiseAssets()
{
    Q_INIT_RESOURCE(vexlor_assets);
}

namespace Pictures {

QString path(const QString &fileName)
{
    static const bool ready = (initialiseAssets(), true);
    Q_UNUSED(ready);
    return QStringLiteral(":/assets/") + fileName;
}

QPixmap named(const QString &fileName)
{
    // Told the format by the suffix and not to guess, Qt reads PNG with its own reader and GIF with
    // its one plugin; left to guess, it loads every image plugin first.
    QImageReader reader(path(fileName), QFileInfo(fileName).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QPixmap drawn(const QString &sourceFile, const QString &name, qreal devicePixelRatio)
{
    QFile source(path(sourceFile));
    if (!source.open(QIODevice::ReadOnly))
        return QPixmap();
    try {
        const CardFile file = parseCardSource(source.fileName(), QString::fromUtf8(source.readAll()));
        for (const CardSource &picture : file.pictures) {
            if (picture.name == name) {
                QPixmap pixmap = QPixmap::fromImage(paintCard(picture, devicePixelRatio));
                pixmap.setDevicePixelRatio(devicePixelRatio);
                return pixmap;
            }
        }
    } catch (const CardSourceError &) {
        // The build draws the same source and stops on any mistake in it.
    }
    return QPixmap();
}

}  // namespace Pictures
