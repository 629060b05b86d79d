// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A source of uniform numbers U with 0 <= U < 1.
class UniformRandom {
public:
    virtual ~UniformRandom() = default;
    virtual double next() = 0;
};
