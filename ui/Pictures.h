// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CardSource.h"

#include <QPixmap>
#include <QString>

#include <optional>
#include <vector>

// The pictures drawn at build time and embedded in the program.
namespace Pictures {

// A picture by its file name ("icon.gif", "p045.gif"); null when there is none.
QPixmap named(const QString &fileName);
// The resource path of an embedded file.
QString path(const QString &fileName);

// A picture drawn from its embedded source at the given pixel ratio, so it
// stays crisp on dense screens: the picture `name` ("window", "q012-3") of the
// source file `sourceFile` ("pictures.cards", "cards/q012.cards"). Null when
// there is none.
QPixmap drawn(const QString &sourceFile, const QString &name, qreal devicePixelRatio);
// A picture already parsed, drawn at the given pixel ratio.
QPixmap drawn(const CardSource &picture, qreal devicePixelRatio);
// The parsed source of that picture, for a widget that draws it itself.
std::optional<CardSource> source(const QString &sourceFile, const QString &name);
// Every picture of a source file, parsed; empty when there is none.
std::vector<CardSource> sources(const QString &sourceFile);

}  // namespace Pictures
