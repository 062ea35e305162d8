// Game data that cannot be read: the file, the byte offset where known, and what is wrong.
// Every format reader raises it; nothing here needs the reading of the table itself.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

#include "game/Paths.h"

namespace game {

class ReadError : public std::runtime_error {
public:
    ReadError(Path file, std::optional<std::uint64_t> offset, const std::string& what);
    const Path& File() const { return file_; }
    std::optional<std::uint64_t> Offset() const { return offset_; }

private:
    Path file_;
    std::optional<std::uint64_t> offset_;
};

}  // namespace game
