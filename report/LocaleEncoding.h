// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The character encoding of the user's locale, as the environment sets it
// (LC_ALL, LC_CTYPE, LANG), whatever encoding the program itself runs in.
namespace LocaleEncoding {

// The locale's code set, for example "UTF-8" or "ISO-8859-1".
QByteArray userCodeset();

// The text in that encoding. A character the encoding cannot hold becomes "?",
// so it shows as missing instead of vanishing.
QByteArray encode(const QString &text, const QByteArray &codeset = userCodeset());

}  // namespace LocaleEncoding
