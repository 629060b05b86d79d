#pragma once

#include "UniformRandom.h"

#include <deque>

// Hands out the numbers queued by the test, then a fixed fallback.
class ScriptedRandom final : public UniformRandom {
public:
    void queue(double u) { m_queued.push_back(u); }
    void setFallback(double u) { m_fallback = u; }
    int draws() const { return m_draws; }

    double next() override
    {
        ++m_draws;
        if (m_queued.empty())
            return m_fallback;
        const double u = m_queued.front();
        m_queued.pop_front();
        return u;
    }

private:
    std::deque<double> m_queued;
    double m_fallback = 0.0;
    int m_draws = 0;
};
