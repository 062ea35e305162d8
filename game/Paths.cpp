#include "game/Paths.h"

#include <algorithm>
#include <system_error>

#include "framework/Exceptions.h"
#include "game/OutputFiles.h"

namespace game {

std::string ToUtf8(const Path& path)
{
    std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

Path FromUtf8(std::string_view text)
{
    return Path(std::u8string(text.begin(), text.end()));
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b)
{
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

std::vector<Path> FindSpellings(const Path& folder, std::string_view name)
{
    std::vector<Path> found;
    std::vector<Path> names;
    // The platform's listing, which takes long paths on Windows; no folder has no spelling.
    try {
        names = files::ListFolder(folder);
    } catch (const fw::EInOutError&) {
        return found;
    }
    for (const Path& entry : names)
        if (SameNameIgnoringCase(ToUtf8(entry), name))
            found.push_back(folder / entry);
    std::sort(found.begin(), found.end());
    return found;
}

}  // namespace game
