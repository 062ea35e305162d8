#include "game/ReadError.h"

namespace game {

namespace {

std::string ErrorText(const Path& file, std::optional<std::uint64_t> offset, const std::string& what)
{
    std::string text = ToUtf8(file);
    if (offset)
        text += " at offset " + std::to_string(*offset);
    return text + ": " + what;
}

}  // namespace

ReadError::ReadError(Path file, std::optional<std::uint64_t> offset, const std::string& what)
    : std::runtime_error(ErrorText(file, offset, what)), file_(std::move(file)), offset_(offset)
{
}

}  // namespace game
