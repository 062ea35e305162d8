#include "game/TableBackups.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "game/Spellings.h"

namespace game {

namespace {

constexpr std::string_view kPrefix = "xpbonus-";
constexpr std::size_t kLeastNumberDigits = 6;

bool AllDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The number in decimal, zeros before it up to `width` digits. By hand: the window would
// otherwise link the C runtime's whole printf for two names.
std::string Padded(long long number, std::size_t width)
{
    std::string digits = std::to_string(number);
    return std::string(digits.size() < width ? width - digits.size() : 0, '0') + digits;
}

// A number of any width as its digits without the zeros before it ("" for zero): compared by
// length, then as text, it is ordered as the number is, and no planted name can overflow it.
std::string Significant(std::string_view digits)
{
    std::size_t first = digits.find_first_not_of('0');
    return std::string(first == std::string_view::npos ? std::string_view() : digits.substr(first));
}

bool Below(const std::string& a, const std::string& b)
{
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

std::string PlusOne(std::string digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return digits;
        }
        *it = '0';
    }
    return "1" + digits;
}

// "YYYYMMDD-HHMMSS" of a time.
std::string Stamp(const std::tm& time)
{
    return Padded(time.tm_year + 1900, 4) + Padded(time.tm_mon + 1, 2) + Padded(time.tm_mday, 2) + "-" +
           Padded(time.tm_hour, 2) + Padded(time.tm_min, 2) + Padded(time.tm_sec, 2);
}

bool IsStamp(std::string_view text)
{
    return text.size() == 15 && AllDigits(text.substr(0, 8)) && text[8] == '-' && AllDigits(text.substr(9));
}

struct ParsedName {
    bool numbered = false;   // false: an earlier version's name, after the time alone
    std::string number;      // the back-up's number, or the count within its second: Significant()
    std::string stamp;
    bool marker = false;
};

// "000042-20261207-150952" (numbered) or "20261207-150952-01" (an earlier version's).
std::optional<ParsedName> ParseMiddle(std::string_view name)
{
    ParsedName parsed;
    std::size_t dash = name.find('-');
    std::string_view first = name.substr(0, dash);
    if (dash != std::string_view::npos && first.size() >= kLeastNumberDigits && AllDigits(first) &&
        IsStamp(name.substr(dash + 1))) {
        parsed.numbered = true;
        parsed.number = Significant(first);
        parsed.stamp = std::string(name.substr(dash + 1));
        return parsed;
    }
    std::string_view count = name.size() > 16 ? name.substr(16) : std::string_view();
    if (!IsStamp(name.substr(0, 15)) || name.size() < 18 || name[15] != '-' || !AllDigits(count) || count.size() > 6)
        return std::nullopt;
    parsed.number = Significant(count);
    parsed.stamp = std::string(name.substr(0, 15));
    return parsed;
}

// A name this program gave a back-up, taken apart; nothing for any other name.
std::optional<ParsedName> Parse(std::string_view name)
{
    bool marker = false;
    if (name.ends_with(".none"))
        marker = true;
    else if (!name.ends_with(".2da"))
        return std::nullopt;
    name.remove_suffix(marker ? 5 : 4);
    if (!name.starts_with(kPrefix))
        return std::nullopt;
    std::optional<ParsedName> parsed = ParseMiddle(name.substr(kPrefix.size()));
    if (parsed)
        parsed->marker = marker;
    return parsed;
}

}  // namespace

std::string BackupName(const std::string& number, const std::tm& time, bool marker)
{
    std::string zeros(number.size() < kLeastNumberDigits ? kLeastNumberDigits - number.size() : 0, '0');
    return std::string(kPrefix) + zeros + number + "-" + Stamp(time) + (marker ? ".none" : ".2da");
}

std::string NextBackupNumber(const std::vector<std::string>& names)
{
    std::string highest;
    for (const std::string& name : names)
        if (auto parsed = Parse(name); parsed && parsed->numbered)
            if (Below(highest, parsed->number))
                highest = parsed->number;
    return PlusOne(highest);
}

std::string BackupNumberAfter(const std::string& number)
{
    return PlusOne(Significant(number));
}

std::vector<Backup> ListBackups(FileSystem& files, const Path& gameFolder)
{
    Path folder = ResolveSpelling(files, gameFolder, kBackupFolderName);
    if (files.KindOf(folder, Links::Kept) != EntryKind::Folder)
        return {};
    std::vector<std::pair<ParsedName, Backup>> found;
    for (const FolderEntry& entry : files.ListFolder(folder))
        if (auto parsed = Parse(ToUtf8(entry.name)))
            found.push_back({*parsed, Backup{folder / entry.name, parsed->marker, entry.kind}});
    // Numbered names by their number (the time only breaks a tie two writers at once could
    // make); an earlier version's names after them, by time and count within the second.
    auto newer = [](const std::pair<ParsedName, Backup>& x, const std::pair<ParsedName, Backup>& y) {
        const ParsedName &a = x.first, &b = y.first;
        if (a.numbered != b.numbered)
            return a.numbered;
        if (a.numbered && a.number != b.number)
            return Below(b.number, a.number);
        if (a.stamp != b.stamp)
            return a.stamp > b.stamp;
        return a.number != b.number ? Below(b.number, a.number) : x.second.path > y.second.path;
    };
    std::sort(found.begin(), found.end(), newer);
    std::vector<Backup> backups;
    for (auto& entry : found)
        backups.push_back(std::move(entry.second));
    return backups;
}

}  // namespace game
