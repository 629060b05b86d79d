// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "UniformRandom.h"

#include <cstdint>
#include <random>

// Starts from the same state at every program start, so a run that makes the
// same calls sees the same answer orders.
class FixedSeedRandom final : public UniformRandom {
public:
    static constexpr std::uint32_t kSeed = 5489u;

    double next() override;

private:
    std::mt19937 m_engine{kSeed};
};
