#include "game/Paths.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace game {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | cp >> 6);
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | cp >> 12);
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | cp >> 18);
        out += static_cast<char>(0x80 | (cp >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The code point at `at` and the bytes it takes; U+FFFD and one byte for a byte that starts
// no well-formed sequence.
std::pair<char32_t, std::size_t> DecodeUtf8(std::string_view text, std::size_t at)
{
    auto byte = [&](std::size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u; };
    unsigned lead = byte(at);
    std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                                           : lead >= 0xF0 && lead <= 0xF4                      ? 4
                                                                                               : 0;
    if (length == 0)
        return {kReplacement, 1};
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return {kReplacement, 1};
        cp = cp << 6 | (byte(at + i) & 0x3F);
    }
    // No overlong forms, no surrogates, nothing past U+10FFFF.
    static const char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kLeast[length] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
        return {kReplacement, 1};
    return {cp, length};
}

// The names of a path after its root, one by one, with an empty one after a trailing
// separator.
template <class Style>
class NameCursor {
public:
    using View = std::basic_string_view<typename Style::Char>;
    explicit NameCursor(View path) : path_(path), at_(Style::RootLength(path)) {}

    // The next name; false at the end.
    bool Next(View& name)
    {
        if (at_ >= path_.size()) {
            if (!trailing_)
                return false;
            trailing_ = false;
            name = View();
            return true;
        }
        std::size_t end = at_;
        while (end < path_.size() && !Style::IsSeparator(path_[end]))
            ++end;
        name = path_.substr(at_, end - at_);
        at_ = end;
        while (at_ < path_.size() && Style::IsSeparator(path_[at_]))
            ++at_;
        trailing_ = end < path_.size() && at_ == path_.size();
        return true;
    }

private:
    View path_;
    std::size_t at_;
    bool trailing_ = false;
};

// The root with its separators made one kind, for comparing.
template <class Style>
std::basic_string<typename Style::Char> ComparableRoot(std::basic_string_view<typename Style::Char> path)
{
    std::basic_string<typename Style::Char> root(path.substr(0, Style::RootLength(path)));
    for (auto& c : root)
        if (Style::IsSeparator(c))
            c = Style::kSeparator;
    return root;
}

// Where the last name starts, after the root and the separators before it.
template <class Style>
std::size_t LastNameStart(std::basic_string_view<typename Style::Char> path)
{
    std::size_t root = Style::RootLength(path), at = path.size();
    while (at > root && !Style::IsSeparator(path[at - 1]))
        --at;
    return at;
}

}  // namespace

std::size_t PosixStyle::RootLength(std::basic_string_view<Char> path)
{
    std::size_t n = 0;
    while (n < path.size() && path[n] == '/')
        ++n;
    return n;
}

std::size_t WindowsStyle::RootLength(std::basic_string_view<Char> path)
{
    auto separatorAt = [&](std::size_t i) { return i < path.size() && IsSeparator(path[i]); };
    auto driveAt = [&](std::size_t i) {
        return i + 1 < path.size() && path[i + 1] == L':' &&
               ((path[i] >= L'A' && path[i] <= L'Z') || (path[i] >= L'a' && path[i] <= L'z'));
    };
    // The name after `at` and the separator after it: "server\".
    auto serverEnd = [&](std::size_t at) {
        while (at < path.size() && !IsSeparator(path[at]))
            ++at;
        return separatorAt(at) ? at + 1 : at;
    };
    std::basic_string_view<Char> longPrefix = L"\\\\?\\", uncPrefix = L"\\\\?\\UNC\\";
    if (path.substr(0, uncPrefix.size()) == uncPrefix)
        return serverEnd(uncPrefix.size());
    if (path.substr(0, longPrefix.size()) == longPrefix)
        return driveAt(4) ? (separatorAt(6) ? 7 : 6) : 4;
    if (separatorAt(0) && separatorAt(1) && path.size() > 2 && !IsSeparator(path[2]))
        return serverEnd(2);
    if (driveAt(0))
        return separatorAt(2) ? 3 : 2;
    return separatorAt(0) ? 1 : 0;
}

std::basic_string<WindowsStyle::Char> WindowsStyle::FromUtf8(std::string_view text)
{
    std::basic_string<Char> out;
    for (std::size_t at = 0; at < text.size();) {
        auto [cp, length] = DecodeUtf8(text, at);
        at += length;
        if (cp < 0x10000) {
            out += static_cast<Char>(cp);
        } else {
            out += static_cast<Char>(0xD800 + ((cp - 0x10000) >> 10));
            out += static_cast<Char>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        }
    }
    return out;
}

std::string WindowsStyle::ToUtf8(std::basic_string_view<Char> text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto unit = static_cast<char32_t>(static_cast<std::uint16_t>(text[i]));
        bool high = unit >= 0xD800 && unit <= 0xDBFF, low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (high && i + 1 < text.size()) {
            auto next = static_cast<char32_t>(static_cast<std::uint16_t>(text[i + 1]));
            if (next >= 0xDC00 && next <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
                ++i;
                continue;
            }
        }
        AppendUtf8(out, high || low ? kReplacement : unit);
    }
    return out;
}

template <class Style>
BasicPath<Style>& BasicPath<Style>::operator/=(const BasicPath& name)
{
    if (Style::RootLength(name.native_) > 0 || native_.empty()) {
        native_ = name.native_;
        return *this;
    }
    std::size_t root = Style::RootLength(native_);
    // "C:" goes on in that drive's current folder; "\\?\C:" is the drive's root.
    bool driveOnly = root == 2 && native_.size() == 2 && native_.back() == ':';
    if (!Style::IsSeparator(native_.back()) && !driveOnly && !name.native_.empty())
        native_ += Style::kSeparator;
    native_ += name.native_;
    return *this;
}

template <class Style>
BasicPath<Style> BasicPath<Style>::parent_path() const
{
    std::basic_string_view<Char> path = native_;
    std::size_t root = Style::RootLength(path);
    if (root == path.size())
        return *this;
    std::size_t end = LastNameStart<Style>(path);
    while (end > root && Style::IsSeparator(path[end - 1]))
        --end;
    return BasicPath(String(path.substr(0, end)));
}

template <class Style>
BasicPath<Style> BasicPath<Style>::filename() const
{
    std::basic_string_view<Char> path = native_;
    return BasicPath(String(path.substr(LastNameStart<Style>(path))));
}

template <class Style>
BasicPath<Style> BasicPath<Style>::extension() const
{
    String name = filename().native_;
    std::size_t dot = name.rfind(Char('.'));
    if (dot == String::npos || dot == 0 || name == String(2, Char('.')))
        return BasicPath();
    return BasicPath(name.substr(dot));
}

template <class Style>
int BasicPath<Style>::compare(const BasicPath& other) const
{
    if (int byRoot = ComparableRoot<Style>(native_).compare(ComparableRoot<Style>(other.native_)))
        return byRoot;
    NameCursor<Style> mine(native_), theirs(other.native_);
    std::basic_string_view<Char> a, b;
    for (;;) {
        bool more = mine.Next(a), otherMore = theirs.Next(b);
        if (!more || !otherMore)
            return more ? 1 : otherMore ? -1 : 0;
        if (int byName = a.compare(b))
            return byName;
    }
}

template class BasicPath<PosixStyle>;
template class BasicPath<WindowsStyle>;

bool SameNameIgnoringCase(std::string_view a, std::string_view b)
{
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace game
