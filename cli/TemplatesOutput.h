// What `xptable templates` prints: the eighteen stored templates by activity and list
// choice, with the window's list texts and their values for levels 1 to 40.
#pragma once

#include <array>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/Language.h"
#include "game/TableReading.h"

namespace cli {

struct TemplateEntry {
    game::Activity activity;
    int choice;               // the list index 0-5
    int position;             // 0-17 in the catalogue
    std::string identifier;
    std::string text;         // the window's list text, UTF-8
    std::array<std::int32_t, game::kLevels> levels{};  // scrolls: 0 from level 10 on
};

// In the engine's row order (locks, traps, scrolls), each by list index.
std::vector<TemplateEntry> TemplateEntries();

std::string TemplatesText(Language language);
nlohmann::ordered_json TemplatesJson();

}  // namespace cli
