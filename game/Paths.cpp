#include "game/Paths.h"

#include <algorithm>

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

}  // namespace game
