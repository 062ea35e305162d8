// Paths of the game's files, of the project's own: UTF-16 on Windows, the file system's
// bytes on POSIX. Joining, parent, file name, extension, comparison and order follow
// std::filesystem::path, without its library (and the locales it brings) in the programs.
// Both ways of writing a path are built on every system, so each is tested everywhere.
#pragma once

#include <compare>
#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>

namespace game {

// POSIX: '/' between names, a root of slashes; any byte but '/' and NUL in a name.
struct PosixStyle {
    using Char = char;
    static constexpr Char kSeparator = '/';
    static bool IsSeparator(Char c) { return c == '/'; }
    // The length of the root ("/"), 0 for a relative path.
    static std::size_t RootLength(std::basic_string_view<Char> path);
    static std::basic_string<Char> FromUtf8(std::string_view text) { return std::string(text); }
    static std::string ToUtf8(std::basic_string_view<Char> text) { return std::string(text); }
};

// Windows: UTF-16 code units, '\' or '/' between names; roots "C:\", "\\server\",
// "\\?\C:\" and "\\?\UNC\server\", or a lone "\" or "C:".
struct WindowsStyle {
    using Char = wchar_t;
    static constexpr Char kSeparator = L'\\';
    static bool IsSeparator(Char c) { return c == L'\\' || c == L'/'; }
    static std::size_t RootLength(std::basic_string_view<Char> path);
    // Bytes that are not UTF-8 become U+FFFD.
    static std::basic_string<Char> FromUtf8(std::string_view text);
    // A lone surrogate becomes U+FFFD.
    static std::string ToUtf8(std::basic_string_view<Char> text);
};

template <class Style>
class BasicPath {
public:
    using Char = typename Style::Char;
    using String = std::basic_string<Char>;

    BasicPath() = default;
    explicit BasicPath(String native) : native_(std::move(native)) {}
    // A name or path written in the source, as UTF-8.
    BasicPath(const char* utf8) : native_(Style::FromUtf8(utf8)) {}
    // A template, so that instantiating the POSIX path never instantiates it (clang 14 would).
    template <class C>
        requires std::same_as<C, wchar_t> && std::same_as<Char, wchar_t>
    BasicPath(const C* native) : native_(native)
    {
    }
    // Any path that gives the same native string (std::filesystem::path, in tests).
    template <class Other>
        requires(!std::same_as<Other, BasicPath>) && requires(const Other& other) {
            { other.native() } -> std::convertible_to<const String&>;
        }
    BasicPath(const Other& other) : native_(other.native())
    {
    }

    const String& native() const { return native_; }
    const Char* c_str() const { return native_.c_str(); }
    bool empty() const { return native_.empty(); }

    // Appends `name` after a separator; a name with a root of its own replaces the path.
    BasicPath& operator/=(const BasicPath& name);
    friend BasicPath operator/(BasicPath path, const BasicPath& name) { return path /= name; }

    // The path without its last name; a root is its own parent, a single name has none.
    BasicPath parent_path() const;
    // The last name: empty for a root and after a trailing separator.
    BasicPath filename() const;
    // From the last dot of the file name on: ".2da"; none for ".", ".." and ".hidden".
    BasicPath extension() const;

    // Root first, then name by name; separators and their runs count alike.
    int compare(const BasicPath& other) const;
    friend bool operator==(const BasicPath& a, const BasicPath& b) { return a.compare(b) == 0; }
    friend std::strong_ordering operator<=>(const BasicPath& a, const BasicPath& b) { return a.compare(b) <=> 0; }

private:
    String native_;
};

extern template class BasicPath<PosixStyle>;
extern template class BasicPath<WindowsStyle>;

#ifdef _WIN32
using NativeStyle = WindowsStyle;
#else
using NativeStyle = PosixStyle;
#endif
using Path = BasicPath<NativeStyle>;

// The path as UTF-8 text, for messages and JSON (POSIX: the bytes as they are).
template <class Style>
std::string ToUtf8(const BasicPath<Style>& path)
{
    return Style::ToUtf8(path.native());
}
inline std::string ToUtf8(const Path& path)
{
    return NativeStyle::ToUtf8(path.native());
}
// A path from UTF-8 text (POSIX: the bytes as they are).
inline Path FromUtf8(std::string_view text)
{
    return Path(NativeStyle::FromUtf8(text));
}

// The names in a game folder that the engine and this tool go by, in any letter case.
inline constexpr char kKeyFileName[] = "chitin.key";
inline constexpr char kOverrideFolderName[] = "override";
inline constexpr char kTableFileName[] = "xpbonus.2da";

// Equal but for the letter case of ASCII letters (the engine's resource names are ASCII).
bool SameNameIgnoringCase(std::string_view a, std::string_view b);

}  // namespace game
