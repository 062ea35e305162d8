// The English sentences of ReadError::what(): the place and the file layer's reasons in
// ReadError.cpp, which the window links with the file layer; the formats' reasons in
// ReadErrorEnglish.cpp, which only the reader brings in.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "game/ReadError.h"

namespace game {

// "FILE at offset N: " or "FILE: ".
std::string EnglishPlace(const Path& file, std::optional<std::uint64_t> offset);
// CannotOpen, CannotRead and NotRegularFile; empty for the others.
std::string EnglishFileReason(ReadProblem problem, int systemError);
std::string EnglishReason(ReadProblem problem, std::optional<std::uint64_t> offset, const ReadValues& values);

}  // namespace game
