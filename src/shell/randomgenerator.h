#pragma once

#include "services.h"

#include <QtGlobal>

// A small, fast generator (splitmix64) whose Reseed mixes the seed into the
// state instead of replacing it: the drills reseed from the clock right before
// each draw, often several times within one clock reading, and those draws must
// not repeat each other.
class RandomGenerator : public RandomSource
{
public:
    explicit RandomGenerator(quint64 initialState);

    void Reseed(float seed) override;
    float RandomUnit() override;

private:
    quint64 next();
    quint64 m_state;
};
