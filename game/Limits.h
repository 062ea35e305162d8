// The largest table anything here reads whole: far beyond any real one (the stock table is
// under 2 KB), small enough that a wrong file cannot exhaust the memory.
#pragma once

#include <cstdint>

namespace game {

inline constexpr std::uint32_t kMaxTableSize = 1u << 20;

}  // namespace game
