// The text of a 2DA table split the way the engine splits it, every cell kept as written
// with the line it stands on.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace game {

struct TwoDaCell {
    std::string text;
    int line = 0;
    bool joined = false;  // the surplus tokens of the row, joined with their spaces
};

struct TwoDaRow {
    std::string label;
    int line = 0;
    bool indented = false;  // starts with a blank: an empty label, the cells shifted
    std::vector<TwoDaCell> cells;
    bool surplus = false;   // more tokens than the column labels allow cells: the surplus
                            // joined, with its spaces, into the last cell
};

struct TwoDaText {
    bool encrypted = false;
    bool signatureOk = false;
    std::string signatureLine;
    std::string defaultText;
    int defaultLine = 0;   // 1 for a file of one line, whose line is also the default; 0 for an empty file
    std::vector<std::string> columnLabels;  // "A B " names three, the last empty
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
