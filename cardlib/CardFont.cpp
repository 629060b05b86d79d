// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CardFont.h"

#include <QFile>
#include <QFont>

#include <algorithm>

namespace {

struct FaceFiles {
    QByteArray regular;
    QByteArray bold;
};

QByteArray readFont(const char *name)
{
    QFile file(QStringLiteral(VEXLOR_CARD_FONT_DIR "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const FaceFiles &files()
{
    static const FaceFiles read{readFont("LiberationSans-Regular.ttf"), readFont("LiberationSans-Bold.ttf")};
    return read;
}

}  // namespace

bool CardFont::fromFiles()
{
    return !files().regular.isEmpty() && !files().bold.isEmpty();
}

QRawFont CardFont::face(bool bold, double pixels)
{
    // No hinting: the outlines alone decide the pixels, not a renderer's settings.
    if (fromFiles())
        return QRawFont(bold ? files().bold : files().regular, pixels, QFont::PreferNoHinting);
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(pixels)));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return QRawFont::fromFont(font);
}

QString CardFont::missing(const QRawFont &face, const QString &text)
{
    QString lacking;
    for (const char32_t c : text.toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        if (c != U' ' && !face.supportsCharacter(c) && !lacking.contains(character))
            lacking += character;
    }
    return lacking;
}
