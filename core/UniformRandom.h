#pragma once

// A source of uniform numbers U with 0 <= U < 1.
class UniformRandom {
public:
    virtual ~UniformRandom() = default;
    virtual double next() = 0;
};
