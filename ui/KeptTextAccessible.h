// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ReadOnlyTextAccessible.h"

class KeptTextSurface;

// What a screen reader finds on a painted text surface: read-only text of
// several lines, with each character where it is drawn.
class KeptTextAccessible : public ReadOnlyTextAccessible {
public:
    explicit KeptTextAccessible(KeptTextSurface *surface);

    QAccessible::State state() const override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;

protected:
    QString content() const override;

private:
    KeptTextSurface *surface() const;
};
