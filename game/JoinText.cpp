#include "game/JoinText.h"

#include <charconv>

namespace game {

std::string_view TextPiece::Digits(long long number)
{
    return {digits_, static_cast<std::size_t>(std::to_chars(digits_, digits_ + sizeof digits_, number).ptr - digits_)};
}

std::string_view TextPiece::Digits(unsigned long long number)
{
    return {digits_, static_cast<std::size_t>(std::to_chars(digits_, digits_ + sizeof digits_, number).ptr - digits_)};
}

std::string JoinPieces(std::span<const TextPiece> parts)
{
    std::size_t size = 0;
    for (const TextPiece& part : parts)
        size += part.Text().size();
    std::string text;
    text.reserve(size);
    for (const TextPiece& part : parts)
        text += part.Text();
    return text;
}

}  // namespace game
