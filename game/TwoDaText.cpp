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

// Lines ended by CR LF, LF or a lone CR, as views into the text, one at a time. A lone CR
// that ends the text still opens a last, empty line: the engine reads one there.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text), cr_(text.find('\r')), lf_(text.find('\n')) {}

    bool Next(std::string_view& line)
    {
        if (start_ >= text_.size()) {
            if (text_.empty() || text_.back() != '\r' || lastGiven_)
                return false;
            lastGiven_ = true;
            line = {};
            ++number_;
            return true;
        }
        // The next CR and the next LF, each looked up again only once passed.
        if (cr_ < start_)
            cr_ = text_.find('\r', start_);
        if (lf_ < start_)
            lf_ = text_.find('\n', start_);
        std::size_t end = std::min({cr_, lf_, text_.size()});
        line = text_.substr(start_, end - start_);
        start_ = end + (end == cr_ && lf_ == end + 1 ? 2 : 1);
        ++number_;
        return true;
    }
    int Number() const { return number_; }  // of the line last given, from 1

private:
    std::string_view text_;
    std::size_t start_ = 0, cr_, lf_;
    int number_ = 0;
    bool lastGiven_ = false;
};

bool IsComment(std::string_view line) { return !line.empty() && (line[0] == '#' || line[0] == '/'); }

// The column labels: leading blanks skipped, runs of blanks as one; a line that ends in a
// blank names one more, empty, column, and a blank line names none.
std::vector<std::string_view> ColumnLabels(std::string_view line)
{
    std::vector<std::string_view> labels;
    std::size_t i = line.find_first_not_of(' ');
    if (i == std::string_view::npos)
        return labels;
    // Labels but the last take a blank after them: no more than this, so no growing.
    labels.reserve(line.size() / 2 + 1);
    while (i < line.size()) {
        std::size_t end = std::min(line.find(' ', i), line.size());
        labels.push_back(line.substr(i, end - i));
        i = end;
        if (i < line.size() && (i = line.find_first_not_of(' ', i)) == std::string_view::npos)
            labels.emplace_back();
    }
    return labels;
}

// A data row: the label up to the first space, then at most `limit` cells, the last
// taking whatever follows with its spaces. The cells go to the end of `cells`.
TwoDaRow ParseRow(std::string_view line, int number, std::size_t limit, std::vector<TwoDaCell>& cells)
{
    TwoDaRow row;
    row.line = number;
    row.firstCell = cells.size();
    std::size_t end = std::min(line.find(' '), line.size());
    row.label = line.substr(0, end);
    row.indented = end == 0;
    std::size_t i = end;
    while ((i = line.find_first_not_of(' ', i)) != std::string_view::npos) {
        std::size_t stop = std::min(line.find(' ', i), line.size());
        if (cells.size() - row.firstCell + 1 == limit) {
            std::size_t last = line.find_last_not_of(' ');
            row.surplus = last + 1 > stop;
            cells.push_back({line.substr(i, last + 1 - i), number, row.surplus});
            break;
        }
        cells.push_back({line.substr(i, stop - i), number, false});
        i = stop;
    }
    return row;
}

void XorWithKey(char* text, std::size_t size)
{
    for (std::size_t k = 0; k < size; ++k)
        text[k] = static_cast<char>(static_cast<unsigned char>(text[k]) ^ kKey[k % 64]);
}

bool IsEncrypted(std::string_view bytes)
{
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
           static_cast<unsigned char>(bytes[1]) == 0xFF;
}

// The text as the engine reads it, in the table's own storage: decrypted, tabs made blanks.
std::string_view StoreText(std::string_view bytes, TwoDaText& table)
{
    table.encrypted = IsEncrypted(bytes);
    if (table.encrypted)
        bytes.remove_prefix(2);
    table.storage.assign(bytes.begin(), bytes.end());
    if (table.encrypted)
        XorWithKey(table.storage.data(), table.storage.size());
    std::string_view text(table.storage.data(), table.storage.size());
    // Searched for, as tabs are few: a test of every byte costs a call each in the fuzz build.
    for (std::size_t tab = text.find('\t'); tab != std::string_view::npos; tab = text.find('\t', tab + 1))
        table.storage[tab] = ' ';
    return text;
}

// The header: the signature line, the default value's line, comments, the column labels.
// Gives the first data row's line, if any.
bool ReadHeader(LineReader& lines, TwoDaText& table, std::string_view& line)
{
    if (!lines.Next(line))
        return false;
    table.signatureLine = line;
    line.remove_prefix(std::min(line.find_first_not_of(' '), line.size()));
    table.signatureOk = line.substr(0, 8) == "2DA V1.0";
    std::string_view first = line;
    if (!lines.Next(line)) {
        // With no second line the engine's line buffer keeps the first, trimmed: it is the default.
        table.defaultLine = 1;
        table.defaultText = first.substr(0, first.find(' '));
        return false;
    }
    table.defaultLine = lines.Number();
    table.defaultText = line.substr(0, line.find(' '));
    bool more;
    do
        more = lines.Next(line);
    while (more && IsComment(line));
    if (!more)
        return false;
    table.columnLabels = ColumnLabels(line);
    return lines.Next(line);
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
    encrypted = IsEncrypted(bytes);
    if (!encrypted)
        return std::string(bytes);
    std::string plain(bytes.substr(2));
    XorWithKey(plain.data(), plain.size());
    return plain;
}

TwoDaText ParseTwoDa(std::string_view bytes)
{
    TwoDaText table;
    LineReader lines(StoreText(bytes, table));
    std::string_view line;
    if (ReadHeader(lines, table, line)) {
        // A cell takes a blank before it and a byte of its own, a row a byte and a line break
        // but the last: no more of either than half the text's bytes, so neither list grows.
        table.cells.reserve(table.storage.size() / 2);
        table.rows.reserve((table.storage.size() + 1) / 2);
        const std::size_t limit = CellLimit(table.columnLabels.size());
        do
            if (!line.empty() && !IsComment(line))
                table.rows.push_back(ParseRow(line, lines.Number(), limit, table.cells));
        while (lines.Next(line));
    }
    // The cells are all in place now: each row gets its part.
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        std::size_t end = r + 1 < table.rows.size() ? table.rows[r + 1].firstCell : table.cells.size();
        table.rows[r].cells = {table.cells.data() + table.rows[r].firstCell, end - table.rows[r].firstCell};
    }
    return table;
}

}  // namespace game
