#include "game/ReadError.h"

#include <cstring>

#include "game/ReadErrorEnglish.h"

namespace game {

std::string EnglishPlace(const Path& file, std::optional<std::uint64_t> offset)
{
    std::string text = ToUtf8(file);
    if (offset) {
        text += " at offset ";
        text += std::to_string(*offset);
    }
    text += ": ";
    return text;
}

std::string EnglishFileReason(ReadProblem problem, int systemError)
{
    if (problem != ReadProblem::CannotOpen && problem != ReadProblem::CannotRead)
        return problem == ReadProblem::NotRegularFile ? "not a regular file" : "";
    std::string text = problem == ReadProblem::CannotOpen ? "cannot open the file" : "cannot read the file";
#ifdef _WIN32
    text += " (error " + std::to_string(systemError) + ")";
#else
    text += ": ";
    text += std::strerror(systemError);
#endif
    return text;
}

ReadError::ReadError(ReadProblem problem, Path file, std::optional<std::uint64_t> offset, int systemError)
    : std::runtime_error(EnglishPlace(file, offset) + EnglishFileReason(problem, systemError)),
      problem_(problem),
      file_(std::move(file)),
      offset_(offset)
{
    values_.systemError = systemError;
}

}  // namespace game
