// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "UniformRandom.h"

#include <deque>

// Hands out the numbers queued by the test, then 0.
class ScriptedRandom final : public UniformRandom {
public:
    void queue(double u) { m_queued.push_back(u); }
    int draws() const { return m_draws; }

    double next() override
    {
        ++m_draws;
        if (m_queued.empty())
            return 0.0;
        const double u = m_queued.front();
        m_queued.pop_front();
        return u;
    }

private:
    std::deque<double> m_queued;
    int m_draws = 0;
};
