// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextEdit>

// A box of several lines that takes only plain text from the clipboard, the X
// selection and drops. It reads the offered text itself: Qt 6.4's own reader
// crashes on an offer that carries no format at all, which any program on the
// desktop may make.
class PlainTextArea : public QTextEdit {
public:
    using QTextEdit::QTextEdit;

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
};
