#include "game/Paths.h"

#include <algorithm>
#include <system_error>

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
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error), end;
    for (; !error && it != end; it.increment(error)) {
        Path entry = it->path();
        if (SameNameIgnoringCase(ToUtf8(entry.filename()), name))
            found.push_back(entry);
    }
    std::sort(found.begin(), found.end());
    return found;
}

}  // namespace game
