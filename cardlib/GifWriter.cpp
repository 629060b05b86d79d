// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GifWriter.h"

#include <QFile>

#include <gif_lib.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <stdexcept>

namespace {

// The transparent entry: a colour no card uses, kept apart from the ramps.
const QColor kTransparentKey(255, 0, 255);

struct GifCloser {
    void operator()(GifFileType *gif) const
    {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};

int nearest(const std::vector<QColor> &palette, QRgb pixel)
{
    int best = 1;
    long bestDistance = -1;
    for (std::size_t i = 1; i < palette.size(); ++i) {
        const long dr = qRed(pixel) - palette[i].red();
        const long dg = qGreen(pixel) - palette[i].green();
        const long db = qBlue(pixel) - palette[i].blue();
        const long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int>(i);
        }
    }
    return best;
}

}  // namespace

std::vector<QColor> gifPalette(const GifPicture &picture)
{
    std::vector<QColor> palette{kTransparentKey, picture.ground};
    const int inks = static_cast<int>(picture.inks.size());
    const int free = picture.colours - 2;
    const int steps = inks > 0 ? std::max(1, free / inks) : 0;
    for (const QColor &ink : picture.inks) {
        for (int s = 1; s <= steps && static_cast<int>(palette.size()) < picture.colours; ++s) {
            const double t = static_cast<double>(s) / steps;
            palette.emplace_back(qRound(picture.ground.red() + (ink.red() - picture.ground.red()) * t),
                                 qRound(picture.ground.green() + (ink.green() - picture.ground.green()) * t),
                                 qRound(picture.ground.blue() + (ink.blue() - picture.ground.blue()) * t));
        }
    }
    while (static_cast<int>(palette.size()) < picture.colours)
        palette.push_back(picture.ground);
    return palette;
}

void writeGif(const QString &path, const GifPicture &picture)
{
    const QImage image = picture.image.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = std::min(picture.frameHeight, image.height());
    const std::vector<QColor> palette = gifPalette(picture);

    std::vector<GifColorType> colours;
    for (const QColor &c : palette)
        colours.push_back({static_cast<GifByteType>(c.red()), static_cast<GifByteType>(c.green()),
                           static_cast<GifByteType>(c.blue())});
    ColorMapObject *map = GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
    if (!map)
        throw std::runtime_error("bad palette size");
    std::unique_ptr<ColorMapObject, decltype(&GifFreeMapObject)> mapOwner(map, &GifFreeMapObject);

    int error = 0;
    const QByteArray file = QFile::encodeName(path);
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpenFileName(file.constData(), false, &error));
    if (!gif)
        throw std::runtime_error(QStringLiteral("%1: cannot write (giflib error %2)").arg(path).arg(error).toStdString());
    EGifSetGifVersion(gif.get(), true);
    const GifByteType control[4] = {0x01, 0, 0, 0};  // transparent colour present; no delay; index 0
    const bool written =
        EGifPutScreenDesc(gif.get(), image.width(), image.height(), 8, 0, nullptr) == GIF_OK
        && EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, 4, control) == GIF_OK
        && EGifPutImageDesc(gif.get(), 0, 0, width, height, false, map) == GIF_OK;
    if (!written)
        throw std::runtime_error(QStringLiteral("%1: cannot write header").arg(path).toStdString());
    std::vector<GifPixelType> row(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        const auto *pixels = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x)
            row[static_cast<std::size_t>(x)] =
                static_cast<GifPixelType>(qAlpha(pixels[x]) < 128 ? 0 : nearest(palette, pixels[x]));
        if (EGifPutLine(gif.get(), row.data(), width) != GIF_OK)
            throw std::runtime_error(QStringLiteral("%1: cannot write pixels").arg(path).toStdString());
    }
    GifFileType *raw = gif.release();
    if (EGifCloseFile(raw, &error) != GIF_OK)
        throw std::runtime_error(QStringLiteral("%1: cannot finish (giflib error %2)").arg(path).arg(error).toStdString());
}
