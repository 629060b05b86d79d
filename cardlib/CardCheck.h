// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CardSource.h"

#include <QStringList>

// Checks that a card-sized picture (answer card, splash sample) reads clearly at
// its real size: no glyph below the smallest readable size, and no label or
// arrowhead touching another mark. Returns one "file:line: message" per fault.
QStringList checkCard(const CardSource &source);
