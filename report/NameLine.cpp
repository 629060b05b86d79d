// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "NameLine.h"

QString NameLine::breaksAsBlanks(const QString &name)
{
    QString line;
    bool inBreak = false;
    for (const QChar c : name) {
        const bool isBreak = c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f' || c == QChar(0x85)
                             || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
        if (isBreak && !inBreak)
            line += u' ';
        else if (!isBreak)
            line += c;
        inBreak = isBreak;
    }
    return line;
}
