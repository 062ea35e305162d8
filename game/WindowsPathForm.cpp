#include "game/WindowsPathForm.h"

namespace game {

namespace {

constexpr std::wstring_view kVerbatimPrefix = L"\\\\?\\", kDevicePrefix = L"\\\\.\\";

bool IsDriveLetter(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

// Where the names after the root of a full path start: "C:\", "\\.\" or "\\" (a share's
// server and share are names like any other); 0 for a path that is not full.
std::size_t FullRootLength(std::wstring_view path)
{
    if (path.starts_with(kDevicePrefix))
        return kDevicePrefix.size();
    if (path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == L':' && path[2] == L'\\')
        return 3;
    if (path.size() > 2 && path[0] == L'\\' && path[1] == L'\\' && path[2] != L'\\')
        return 2;
    return 0;
}

}  // namespace

bool IsVerbatimPath(std::wstring_view path)
{
    return path.starts_with(kVerbatimPrefix);
}

bool NeedsMakingFull(std::wstring_view path)
{
    if (IsVerbatimPath(path))
        return false;
    std::size_t at = FullRootLength(path);
    if (at == 0 || path.find(L'/') != std::wstring_view::npos)
        return true;
    while (at < path.size()) {
        std::size_t end = path.find(L'\\', at);
        if (end == std::wstring_view::npos)
            end = path.size();
        std::wstring_view name = path.substr(at, end - at);
        // Only a trailing separator may leave an empty name.
        if ((name.empty() && end < path.size()) || name == L"." || name == L"..")
            return true;
        at = end + 1;
    }
    return false;
}

std::wstring LongPathForm(std::wstring_view fullPath)
{
    if (IsVerbatimPath(fullPath))
        return std::wstring(fullPath);
    // "\\.\" and "\\?\" reach the same device names; only the second skips normalizing.
    if (fullPath.starts_with(kDevicePrefix))
        return std::wstring(kVerbatimPrefix) + std::wstring(fullPath.substr(kDevicePrefix.size()));
    if (fullPath.starts_with(L"\\\\"))
        return L"\\\\?\\UNC\\" + std::wstring(fullPath.substr(2));
    return std::wstring(kVerbatimPrefix) + std::wstring(fullPath);
}

}  // namespace game
