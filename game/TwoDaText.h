// The text of a 2DA table split the way the engine splits it, every cell kept as written
// with the line it stands on.
#pragma once

#include <string>
#include <span>
#include <string_view>
#include <vector>

namespace game {

struct TwoDaCell {
    std::string_view text;
    int line = 0;
    bool joined = false;  // the surplus tokens of the row, joined with their spaces
};

struct TwoDaRow {
    std::string_view label;
    int line = 0;
    bool indented = false;  // starts with a blank: an empty label, the cells shifted
    std::span<const TwoDaCell> cells;  // a part of the table's cells
    std::size_t firstCell = 0;         // where that part starts
    bool surplus = false;   // more tokens than the column labels allow cells: the surplus
                            // joined, with its spaces, into the last cell
};

// Every text below is a view into `storage`, and every row's cells a part of `cells`: one
// allocation each for the whole table. A move keeps both buffers; a copy is not allowed,
// since its views would look into the original.
struct TwoDaText {
    TwoDaText() = default;
    TwoDaText(TwoDaText&&) = default;
    TwoDaText& operator=(TwoDaText&&) = default;
    TwoDaText(const TwoDaText&) = delete;
    TwoDaText& operator=(const TwoDaText&) = delete;

    std::vector<char> storage;  // the text, decrypted, tabs made blanks
    bool encrypted = false;
    bool signatureOk = false;
    std::string_view signatureLine;
    std::string_view defaultText;
    int defaultLine = 0;   // 1 for a file of one line, whose line is also the default; 0 for an empty file
    std::vector<std::string_view> columnLabels;  // "A B " names three, the last empty
    std::vector<TwoDaCell> cells;                // every row's, row after row
    std::vector<TwoDaRow> rows;
};

inline constexpr std::size_t kNoCellLimit = static_cast<std::size_t>(-1);

// How many cells the engine splits a row into for that many column labels: as many for two
// or more, two for one (it splits max(1, N - 1) times, unsigned), no limit for none.
std::size_t CellLimit(std::size_t labels);

// Undoes the XOR of an encrypted text (one starting with FF FF); other text is returned as is.
std::string DecryptText(std::string_view bytes, bool& encrypted);

TwoDaText ParseTwoDa(std::string_view bytes);

}  // namespace game
