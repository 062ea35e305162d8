// Values by level written short: runs of equal values once, "1-5: 250, 6-10: 400, 11: 0".
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace cli {

// Levels are counted from 1.
std::string LevelRuns(std::span<const std::int32_t> values);

}  // namespace cli
