#include "game/TableBackups.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string_view>
#include <tuple>

#include "game/OutputFiles.h"
#include "game/TableWriter.h"

namespace game {

namespace {

constexpr std::string_view kPrefix = "xpbonus-";

bool AllDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "YYYYMMDD-HHMMSS" of a time.
std::string Stamp(const std::tm& time)
{
    char text[64];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d", time.tm_year + 1900, time.tm_mon + 1,
                  time.tm_mday, time.tm_hour, time.tm_min, time.tm_sec);
    return text;
}

struct ParsedName {
    std::string stamp;
    int number = 0;
    bool marker = false;
};

// A name this program gave a back-up, taken apart; nothing for any other name.
std::optional<ParsedName> Parse(std::string_view name)
{
    ParsedName parsed;
    bool ended = false;
    for (std::string_view ending : {".2da", ".none"})
        if (!ended && name.size() > ending.size() && name.substr(name.size() - ending.size()) == ending) {
            parsed.marker = ending == ".none";
            name.remove_suffix(ending.size());
            ended = true;
        }
    if (!ended || name.substr(0, kPrefix.size()) != kPrefix)
        return std::nullopt;
    name.remove_prefix(kPrefix.size());
    std::string_view number = name.size() > 16 ? name.substr(16) : std::string_view();
    if (name.size() < 18 || !AllDigits(name.substr(0, 8)) || name[8] != '-' || !AllDigits(name.substr(9, 6)) ||
        name[15] != '-' || !AllDigits(number) || number.size() < 2 || number.size() > 6)
        return std::nullopt;
    parsed.stamp = std::string(name.substr(0, 15));
    parsed.number = std::stoi(std::string(number));
    return parsed;
}

}  // namespace

std::string BackupName(const std::tm& time, int number, bool marker)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d", number);
    return std::string(kPrefix) + Stamp(time) + "-" + text + (marker ? ".none" : ".2da");
}

int NextBackupNumber(const std::vector<std::string>& names, const std::tm& time)
{
    std::string stamp = Stamp(time);
    int next = 1;
    for (const std::string& name : names)
        if (auto parsed = Parse(name); parsed && parsed->stamp == stamp)
            next = std::max(next, parsed->number + 1);
    return next;
}

std::vector<Backup> ListBackups(const Path& gameFolder)
{
    Path folder = ResolveSpelling(gameFolder, kBackupFolderName);
    if (files::KindOf(folder) != files::EntryKind::Folder)
        return {};
    std::vector<std::pair<ParsedName, Backup>> found;
    for (const Path& name : files::ListFolder(folder))
        if (auto parsed = Parse(ToUtf8(name)))
            found.push_back({*parsed, Backup{folder / name, parsed->marker}});
    // By time, then number: numbers past 99 do not sort as text.
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return std::tie(a.first.stamp, a.first.number) > std::tie(b.first.stamp, b.first.number);
    });
    std::vector<Backup> backups;
    for (auto& entry : found)
        backups.push_back(std::move(entry.second));
    return backups;
}

}  // namespace game
