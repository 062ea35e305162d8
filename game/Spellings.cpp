#include "game/Spellings.h"

#include <algorithm>

namespace game {

std::vector<Path> FindSpellings(FileSystem& files, const Path& folder, std::string_view name)
{
    std::vector<Path> found;
    std::vector<FolderEntry> entries;
    // No folder (or one that cannot be read) has no spelling.
    try {
        entries = files.ListFolder(folder);
    } catch (const fw::EInOutError&) {
        return found;
    }
    for (const FolderEntry& entry : entries)
        if (SameNameIgnoringCase(ToUtf8(entry.name), name))
            found.push_back(folder / entry.name);
    std::sort(found.begin(), found.end());
    return found;
}

SpellingConflict::SpellingConflict(std::vector<Path> spellings)
    : fw::EInOutError(fw::kIoInvalidFilename), spellings_(std::move(spellings))
{
    detail_ = Message() + ": more than one spelling:";
    for (const Path& path : spellings_)
        detail_ += " " + ToUtf8(path);
}

Path ResolveSpelling(FileSystem& files, const Path& folder, std::string_view name)
{
    std::vector<Path> spellings = FindSpellings(files, folder, name);
    if (spellings.size() > 1)
        throw SpellingConflict(std::move(spellings));
    return spellings.empty() ? folder / FromUtf8(name) : spellings.front();
}

}  // namespace game
