// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A number as plain decimal digits: 75, 100, 0; decimals only when it is not whole.
QString plainNumber(double value);
