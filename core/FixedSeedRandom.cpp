// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FixedSeedRandom.h"

double FixedSeedRandom::next()
{
    // 53 random bits over 2^53: always strictly below 1, unlike
    // std::generate_canonical, which may round up to 1.0.
    const std::uint64_t high = m_engine() >> 5;  // 27 bits
    const std::uint64_t low = m_engine() >> 6;   // 26 bits
    return static_cast<double>((high << 26) | low) / 9007199254740992.0;
}
