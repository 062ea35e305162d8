// What a parsed table means for the player, beyond the numbers: findings with stable codes.
#pragma once

#include <string>
#include <vector>

#include "game/Paths.h"
#include "game/TableShape.h"
#include "game/TwoDaText.h"

namespace game {

std::vector<Finding> TableFindings(const TwoDaText& table);

// "\"A\", \"B\"": the labels quoted; past ten, the first ten and "<and> 5 <more>".
std::string QuotedLabels(const std::vector<std::string>& labels, const std::string& andWord,
                         const std::string& moreWord);

// The finding for a KEY that lists no table: every bonus is 0.
Finding MissingTableFinding();
// The finding for several spellings of the override table on a case-sensitive file system.
Finding CaseDuplicatesFinding(const std::vector<Path>& spellings, const Path& read);

}  // namespace game
