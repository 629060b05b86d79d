// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlainTextArea.h"

#include <QMimeData>

bool PlainTextArea::canInsertFromMimeData(const QMimeData *source) const
{
    return source && source->hasText();
}

void PlainTextArea::insertFromMimeData(const QMimeData *source)
{
    if (canInsertFromMimeData(source))
        insertPlainText(source->text());
}
