// One sentence from its pieces in a single allocation: findings are made per cell of a
// table, and a chain of + makes a temporary string for every piece.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace game {

class TextPiece {
public:
    TextPiece(std::string_view text) : text_(text) {}
    TextPiece(const char* text) : text_(text) {}
    TextPiece(const std::string& text) : text_(text) {}
    template <class Number, std::enable_if_t<std::is_integral_v<Number> && !std::is_same_v<Number, bool> &&
                                                 !std::is_same_v<Number, char>, int> = 0>
    TextPiece(Number number)
    {
        if constexpr (std::is_signed_v<Number>)
            text_ = Digits(static_cast<long long>(number));
        else
            text_ = Digits(static_cast<unsigned long long>(number));
    }
    // A copy would still look into the digits of the original.
    TextPiece(const TextPiece&) = delete;
    TextPiece& operator=(const TextPiece&) = delete;

    std::string_view Text() const { return text_; }

private:
    std::string_view Digits(long long number);
    std::string_view Digits(unsigned long long number);

    std::string_view text_;
    char digits_[24];
};

// A literal's length is its array's less the NUL, so it needs no strlen.
template <std::size_t N>
std::string_view PieceOf(const char (&literal)[N])
{
    return {literal, N - 1};
}
template <class Piece>
const Piece& PieceOf(const Piece& piece)
{
    return piece;
}

// The joining itself, once for every sentence: a copy in each sentence's template would
// multiply the branches the fuzz build counts.
std::string JoinPieces(std::span<const TextPiece> parts);

template <class... Pieces>
std::string JoinText(const Pieces&... pieces)
{
    static_assert(sizeof...(Pieces) > 0, "a sentence of no pieces");
    const TextPiece parts[] = {TextPiece(PieceOf(pieces))...};
    return JoinPieces(parts);
}

}  // namespace game
