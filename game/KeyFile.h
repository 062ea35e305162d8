// The game's resource index, chitin.key (KEY V1): which archive holds a resource.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/ByteSource.h"

namespace game {

inline constexpr std::uint16_t kTwoDaType = 0x03F4;
inline constexpr std::uint64_t kMaxKeySize = 64ull << 20;

struct KeyEntry {
    std::uint32_t locator = 0;        // archive index in bits 31-20, file index in bits 13-0
    std::uint32_t archiveIndex = 0;
    std::string archiveName;          // as the KEY holds it, e.g. "data\\Default.bif"
    std::uint64_t archiveNameOffset = 0;
};

// The first entry whose name (ignoring letter case) and type match, with its archive's
// name; none when the KEY lists no such resource. Throws ReadError for a damaged KEY.
std::optional<KeyEntry> FindInKey(const ByteSource& key, std::string_view resref, std::uint16_t type);

}  // namespace game
