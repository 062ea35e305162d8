// Word boundaries on one line: codes below 33 are blanks, the delimiter set also
// separates words, everything else belongs to a word.
#pragma once

#include <string_view>

// The set used when the edit's own `Delimeters` are switched off.
inline constexpr std::string_view kSCBuiltInDelimiters = ".,?!:;-()";

struct TSCTextRange {
    int Start = 0;
    int End = 0;
};

class TSCEditWords {
public:
    explicit TSCEditWords(std::string_view delimiters) : delimiters_(delimiters) {}

    static bool IsBlank(char c) { return static_cast<unsigned char>(c) < 33; }
    bool IsDelimiter(char c) const { return delimiters_.find(c) != std::string_view::npos; }
    bool IsWordChar(char c) const { return !IsBlank(c) && !IsDelimiter(c); }

    // Over the rest of the word at `col` and the separators after it: the start of the
    // next word, or the end of the text.
    int WordRight(std::string_view text, int col) const;
    // Back to the start of the word at (or before) `col`, or to column 0.
    int WordLeft(std::string_view text, int col) const;
    // What a double click at `col` selects.
    TSCTextRange WordAt(std::string_view text, int col) const;

private:
    std::string_view delimiters_;
};
