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
    std::size_t root = FullRootLength(path), name = root;
    if (root == 0)
        return true;
    for (std::size_t i = root; i <= path.size(); ++i) {
        if (i < path.size() && path[i] == L'/')
            return true;
        if (i < path.size() && path[i] != L'\\')
            continue;
        // Only a trailing separator may leave an empty name; "." and ".." are resolved.
        std::size_t length = i - name;
        if ((length == 0 && i < path.size()) || (length > 0 && length <= 2 && path[name] == L'.' && path[i - 1] == L'.'))
            return true;
        name = i + 1;
    }
    return false;
}

std::wstring LongPathForm(std::wstring fullPath)
{
    if (IsVerbatimPath(fullPath))
        return fullPath;
    // "\\.\" and "\\?\" reach the same device names; only the second skips normalizing.
    if (fullPath.starts_with(kDevicePrefix))
        return fullPath.replace(0, kDevicePrefix.size(), L"\\\\?\\");
    if (fullPath.starts_with(L"\\\\"))
        return fullPath.replace(0, 2, L"\\\\?\\UNC\\");
    return fullPath.insert(0, L"\\\\?\\");
}

}  // namespace game
