#include "chart/random_draws.h"

#include "window/form1.h"

#include <chrono>
#include <cmath>

ClockSeededGenerator::ClockSeededGenerator()
{
    // Never start from the engine's fixed default seed.
    reseed();
}

float ClockSeededGenerator::toUnit(std::uint32_t bits)
{
    return static_cast<float>(bits >> 8) / 16777216.0f;
}

float ClockSeededGenerator::next()
{
    return toUnit(static_cast<std::uint32_t>(m_engine()));
}

void ClockSeededGenerator::reseed()
{
    const auto reading = std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::high_resolution_clock::now().time_since_epoch());
    const auto ns = static_cast<std::uint64_t>(reading.count());
    // The seed sequence spreads both halves of the reading over the whole
    // state, so readings a few nanoseconds apart give unrelated draws.
    std::seed_seq sequence{static_cast<std::uint32_t>(ns), static_cast<std::uint32_t>(ns >> 32)};
    m_engine.seed(sequence);
}

float RandNum(DrawSource &source, std::int16_t lowerbound, std::int16_t upperbound)
{
    const float r = source.next();
    const auto count = static_cast<std::int16_t>(upperbound - lowerbound + 1);
    // Product and sum in double, so that neither rounds before the floor.
    const double value = static_cast<double>(static_cast<float>(count)) * r
                         + static_cast<double>(static_cast<float>(lowerbound));
    return static_cast<float>(std::floor(value));
}

float Form1::RandNum(std::int16_t lowerbound, std::int16_t upperbound)
{
    return ::RandNum(m_draws, lowerbound, upperbound);
}
