// What `xptable show` prints for a game table's reading: text for people, JSON for scripts.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "cli/Language.h"
#include "game/TableReading.h"

namespace cli {

std::string ShowText(const game::TableReading& reading, Language language);
nlohmann::ordered_json ShowJson(const game::TableReading& reading);

}  // namespace cli
