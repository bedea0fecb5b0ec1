#pragma once
// Every random choice of the program goes through one draw source: a value
// r with 0 <= r < 1 per draw. RandNum and RandomizeList are the only callers.

#include "common/state_types.h"

#include <cstdint>
#include <random>

class DrawSource
{
public:
    virtual ~DrawSource() = default;
    // The next value r, 0 <= r < 1.
    virtual float next() = 0;
    // Takes a new starting point from the clock.
    virtual void reseed() = 0;
};

// The program's generator: a Mersenne Twister seeded from the nanosecond clock.
class ClockSeededGenerator final : public DrawSource
{
public:
    ClockSeededGenerator();
    float next() override;
    void reseed() override;

    // 24 random bits as a value in [0, 1): exact in single precision, so
    // it can never round up to 1.
    static float toUnit(std::uint32_t bits);

private:
    std::mt19937 m_engine;
};

// A whole number from lowerbound to upperbound, both included; one draw.
float RandNum(DrawSource &source, std::int16_t lowerbound, std::int16_t upperbound);

// Forward Fisher-Yates shuffle in place: one draw per position from the
// lower bound to the upper bound minus one.
template <int Lo, int Hi>
void RandomizeList(DrawSource &source, BoundedArray<std::int16_t, Lo, Hi> &items)
{
    const std::int16_t lower = Lo;
    const std::int16_t upper = Hi;
    for (std::int16_t i = lower; i <= upper - 1; ++i) {
        const std::int16_t j = toInt16(RandNum(source, i, upper));
        const std::int16_t kept = items(i);
        items(i) = items(j);
        items(j) = kept;
    }
}
