#include "framework/ProgramIcons.h"

#include <memory>
#include <string>
#include <vector>

#include "framework/Gdi.h"

namespace fw {

namespace {

struct LoadedIcon {
    std::wstring name;  // "#n" for a numbered resource
    int size;
    IconHandle icon;
};

std::wstring Key(const wchar_t* name)
{
    if (IS_INTRESOURCE(name))
        return L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name));
    return name;
}

}  // namespace

HICON ProgramIcon(const wchar_t* name, int size)
{
    // Freed at exit, after every window: a class may name these until its last window goes.
    static std::vector<std::unique_ptr<LoadedIcon>> loaded;
    const std::wstring key = Key(name);
    for (const auto& entry : loaded)
        if (entry->size == size && entry->name == key)
            return entry->icon.Get();
    auto icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_ICON, size, size, 0));
    if (!icon)
        return nullptr;
    loaded.push_back(std::unique_ptr<LoadedIcon>(new LoadedIcon{key, size, IconHandle(icon)}));
    return icon;
}

}  // namespace fw
