#pragma once
// The constant tables that decide which statements about a chart are true.

#include "common/state_types.h"

#include <cstdint>

// Cell (x, y): dial x stands above / below / left of / right of dial y.
using RelationTable = Grid<std::int16_t, 6, 6>;
// Cell (p, k): pattern p makes statement k true.
using PatternTable = Grid<std::int16_t, 7, 3>;

// Relation numbers of the statement vocabulary.
namespace relation {
inline constexpr std::int16_t Above = 1;
inline constexpr std::int16_t Below = 2;
inline constexpr std::int16_t LeftOf = 3;
inline constexpr std::int16_t RightOf = 4;
inline constexpr std::int16_t Greater = 5;
inline constexpr std::int16_t Less = 6;
inline constexpr std::int16_t Different = 7;
} // namespace relation
