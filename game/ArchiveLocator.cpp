#include "game/ArchiveLocator.h"

#include "game/Spellings.h"
#include "game/ReadError.h"

namespace game {

namespace {

std::string Upper(std::string_view text)
{
    std::string s(text);
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

// Why a part of the name is refused, if it is.
std::optional<ReadProblem> Refusal(std::string_view part)
{
    if (part == "..")
        return ReadProblem::NameClimbsOut;
    for (char c : part) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F || std::string_view("<>\"|?*").find(c) != std::string_view::npos)
            return ReadProblem::NameHasOddCharacter;
    }
    if (IsReservedDeviceName(part))
        return ReadProblem::NameIsDevice;
    return std::nullopt;
}

// The one entry of `folder` named `name` in any case: the exact spelling if present.
std::optional<Path> Spelling(FileSystem& files, const Path& folder, const std::string& name)
{
    Path exact = folder / FromUtf8(name);
    if (files.KindOf(exact, Links::Followed) != EntryKind::Missing)
        return exact;  // the exact spelling, or on Windows the one spelling there is
    std::vector<Path> all = FindSpellings(files, folder, name);
    for (const Path& p : all)
        if (ToUtf8(p.filename()) == name)
            return p;
    if (all.empty())
        return std::nullopt;
    return all.front();
}

std::optional<Path> Resolve(FileSystem& files, Path at, const std::vector<std::string>& parts)
{
    for (const std::string& part : parts) {
        std::optional<Path> next = Spelling(files, at, part);
        if (!next)
            return std::nullopt;
        at = *next;
    }
    return at;
}

std::string CbfName(const std::string& file)
{
    std::size_t dot = file.rfind('.');
    return (dot == std::string::npos ? file : file.substr(0, dot)) + ".cbf";
}

}  // namespace

bool IsReservedDeviceName(std::string_view part)
{
    std::string base = Upper(part.substr(0, part.find('.')));
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL")
        return true;
    return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) && base[3] >= '1' &&
           base[3] <= '9';
}

std::vector<std::string> SafeArchiveParts(std::string_view name, const Path& key, std::uint64_t offset)
{
    auto refuse = [&](ReadProblem why, std::string_view part = {}) {
        throw ReadError(why, key, offset, {.name = std::string(name), .detail = std::string(part)});
    };
    if (name.starts_with("\\\\") || name.starts_with("//"))
        refuse(ReadProblem::NameIsNetworkPath);
    if (name.size() >= 2 && name[1] == ':')
        refuse(ReadProblem::NameHasDriveLetter);
    if (name.starts_with("/"))
        refuse(ReadProblem::NameIsAbsolute);
    if (name.starts_with("\\"))
        name.remove_prefix(1);  // some games list "\data\x.bif", meaning the game folder
    std::vector<std::string> parts;
    std::string part;
    for (std::size_t i = 0; i <= name.size(); ++i) {
        char c = i < name.size() ? name[i] : '\\';
        if (c != '\\' && c != '/' && c != ':') {
            part += c;
            continue;
        }
        if (part.empty() || part == ".")
            refuse(ReadProblem::NameHasEmptyPart);
        if (std::optional<ReadProblem> why = Refusal(part))
            refuse(*why, part);
        parts.push_back(part);
        part.clear();
    }
    return parts;
}

const std::vector<std::vector<std::string>>& ArchiveFolders()
{
    static const std::vector<std::vector<std::string>> folders = [] {
        std::vector<std::vector<std::string>> f = {{}, {"data"}};
        for (int cd = 1; cd <= 6; ++cd) {
            std::string name = "CD" + std::to_string(cd);
            f.push_back({name});
            f.push_back({"data", name});
        }
        return f;
    }();
    return folders;
}

ArchiveSearch LocateArchive(FileSystem& files, const Path& gameFolder, const std::vector<std::string>& parts)
{
    ArchiveSearch search;
    std::vector<std::string> cbf = parts;
    cbf.back() = CbfName(parts.back());
    for (const auto& folder : ArchiveFolders()) {
        Path shown = gameFolder;
        for (const std::string& p : folder)
            shown /= FromUtf8(p);
        search.tried.push_back(shown);
        std::optional<Path> base = Resolve(files, gameFolder, folder);
        if (!base)
            continue;
        const std::vector<std::string>* names[] = {&parts, &cbf};
        for (const auto* name : names) {
            std::optional<Path> file = Resolve(files, *base, *name);
            if (file && files.KindOf(*file, Links::Followed) == EntryKind::File) {
                search.found = file;
                return search;
            }
        }
    }
    return search;
}

}  // namespace game
