#include "randomgenerator.h"

#include <bit>

namespace {

quint64 mix(quint64 z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

RandomGenerator::RandomGenerator(quint64 initialState) : m_state(initialState) {}

void RandomGenerator::Reseed(float seed)
{
    m_state = mix(m_state ^ mix(std::bit_cast<quint32>(seed) + 0x9E3779B97F4A7C15ULL));
}

float RandomGenerator::RandomUnit()
{
    // 24 random bits fill a float's mantissa exactly, so the result stays below 1.
    return static_cast<float>(next() >> 40) * (1.0f / 16777216.0f);
}

quint64 RandomGenerator::next()
{
    m_state += 0x9E3779B97F4A7C15ULL;
    return mix(m_state);
}
