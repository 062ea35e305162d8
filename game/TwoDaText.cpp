#include "game/TwoDaText.h"

#include <algorithm>

namespace game {

namespace {

const unsigned char kKey[64] = {
    0x88, 0xa8, 0x8f, 0xba, 0x8a, 0xd3, 0xb9, 0xf5, 0xed, 0xb1, 0xcf, 0xea, 0xaa, 0xe4, 0xb5, 0xfb,
    0xeb, 0x82, 0xf9, 0x90, 0xca, 0xc9, 0xb5, 0xe7, 0xdc, 0x8e, 0xb7, 0xac, 0xee, 0xf7, 0xe0, 0xca,
    0x8e, 0xea, 0xca, 0x80, 0xce, 0xc5, 0xad, 0xb7, 0xc4, 0xd0, 0x84, 0x93, 0xd5, 0xf0, 0xeb, 0xc8,
    0xb4, 0x9d, 0xcc, 0xaf, 0xa5, 0x95, 0xba, 0x99, 0x87, 0xd2, 0x9d, 0xe3, 0x91, 0xba, 0x90, 0xca,
};

// Lines ended by CR LF, LF or a lone CR, as views into the text. A lone CR that ends the
// text still opens a last, empty line: the engine reads one there.
std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0, cr = text.find('\r'), lf = text.find('\n');
    while (start < text.size()) {
        // The next CR and the next LF, each looked up again only once passed.
        if (cr < start)
            cr = text.find('\r', start);
        if (lf < start)
            lf = text.find('\n', start);
        std::size_t end = std::min({cr, lf, text.size()});
        lines.push_back(text.substr(start, end - start));
        start = end + (end == cr && lf == end + 1 ? 2 : 1);
    }
    if (!text.empty() && text.back() == '\r')
        lines.emplace_back();
    return lines;
}

bool IsComment(std::string_view line) { return !line.empty() && (line[0] == '#' || line[0] == '/'); }

// The column labels: leading blanks skipped, runs of blanks as one; a line that ends in a
// blank names one more, empty, column, and a blank line names none.
std::vector<std::string> ColumnLabels(std::string_view line)
{
    std::vector<std::string> labels;
    std::size_t i = line.find_first_not_of(' ');
    if (i == std::string_view::npos)
        return labels;
    while (i < line.size()) {
        std::size_t end = std::min(line.find(' ', i), line.size());
        labels.emplace_back(line.substr(i, end - i));
        i = end;
        if (i < line.size() && (i = line.find_first_not_of(' ', i)) == std::string_view::npos)
            labels.emplace_back();
    }
    return labels;
}

// A data row: the label up to the first space, then at most `limit` cells, the last
// taking whatever follows with its spaces.
TwoDaRow ParseRow(std::string_view line, int number, std::size_t limit)
{
    TwoDaRow row;
    row.line = number;
    std::size_t end = std::min(line.find(' '), line.size());
    row.label = line.substr(0, end);
    row.indented = end == 0;
    // Room for every cell at once: a cell and a blank take two characters, and a row of the
    // game's table holds 40; a short line or a low limit reserves less.
    row.cells.reserve(std::min({limit, (line.size() - end + 1) / 2, std::size_t(48)}));
    std::size_t i = end;
    while ((i = line.find_first_not_of(' ', i)) != std::string_view::npos) {
        std::size_t stop = std::min(line.find(' ', i), line.size());
        if (row.cells.size() + 1 == limit) {
            std::size_t last = line.find_last_not_of(' ');
            row.surplus = last + 1 > stop;
            row.cells.push_back({std::string(line.substr(i, last + 1 - i)), number, row.surplus});
            break;
        }
        row.cells.push_back({std::string(line.substr(i, stop - i)), number, false});
        i = stop;
    }
    return row;
}

}  // namespace

std::size_t CellLimit(std::size_t labels)
{
    if (labels == 0)
        return kNoCellLimit;
    return labels == 1 ? 2 : labels;
}

std::string DecryptText(std::string_view bytes, bool& encrypted)
{
    encrypted = bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
                static_cast<unsigned char>(bytes[1]) == 0xFF;
    if (!encrypted)
        return std::string(bytes);
    std::string plain(bytes.substr(2));
    char* p = plain.data();
    for (std::size_t k = 0; k < plain.size(); ++k)
        p[k] = static_cast<char>(static_cast<unsigned char>(p[k]) ^ kKey[k % 64]);
    return plain;
}

TwoDaText ParseTwoDa(std::string_view bytes)
{
    TwoDaText table;
    std::string text = DecryptText(bytes, table.encrypted);
    for (std::size_t tab = text.find('\t'); tab != std::string::npos; tab = text.find('\t', tab + 1))
        text[tab] = ' ';
    std::vector<std::string_view> lines = SplitLines(text);
    std::size_t n = 0;
    if (n < lines.size()) {
        std::string_view line = lines[n++];
        table.signatureLine = line;
        line.remove_prefix(std::min(line.find_first_not_of(' '), line.size()));
        table.signatureOk = line.substr(0, 8) == "2DA V1.0";
        // With no second line the engine's line buffer keeps the first, trimmed: it is the default.
        if (lines.size() == 1) {
            table.defaultLine = 1;
            table.defaultText = line.substr(0, line.find(' '));
        }
    }
    if (n < lines.size()) {
        table.defaultLine = static_cast<int>(n + 1);
        table.defaultText = lines[n].substr(0, lines[n].find(' '));
        ++n;
    }
    while (n < lines.size() && IsComment(lines[n]))
        ++n;
    if (n < lines.size())
        table.columnLabels = ColumnLabels(lines[n++]);
    const std::size_t limit = CellLimit(table.columnLabels.size());
    for (; n < lines.size(); ++n)
        if (!lines[n].empty() && !IsComment(lines[n]))
            table.rows.push_back(ParseRow(lines[n], static_cast<int>(n + 1), limit));
    return table;
}

}  // namespace game
