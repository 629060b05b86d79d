// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pictures.h"

#include "CardPainter.h"
#include "CardSource.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtGlobal>

#include <utility>

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

std::vector<CardSource> sources(const QString &sourceFile)
{
    QFile file(path(sourceFile));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    try {
        return parseCardSource(file.fileName(), QString::fromUtf8(file.readAll())).pictures;
    } catch (const CardSourceError &) {
        // The build draws the card sources and stops on any mistake in them; the window tests
        // paint the drafting sheet, which the build leaves as source.
    }
    return {};
}

std::optional<CardSource> source(const QString &sourceFile, const QString &name)
{
    for (CardSource &picture : sources(sourceFile))
        if (picture.name == name)
            return std::move(picture);
    return std::nullopt;
}

QPixmap drawn(const CardSource &picture, qreal devicePixelRatio)
{
    QPixmap pixmap = QPixmap::fromImage(paintCard(picture, devicePixelRatio));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QPixmap drawn(const QString &sourceFile, const QString &name, qreal devicePixelRatio)
{
    const std::optional<CardSource> picture = source(sourceFile, name);
    return picture ? drawn(*picture, devicePixelRatio) : QPixmap();
}

}  // namespace Pictures
