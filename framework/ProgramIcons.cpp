#include "framework/ProgramIcons.h"

#include <memory>
#include <string>
#include <vector>

#include "framework/Gdi.h"

namespace fw {

namespace {

struct LoadedIcon {
    ULONG_PTR number;   // of a numbered resource, else 0
    std::wstring name;  // of a named one
    int size;
    IconHandle icon;

    bool Is(const wchar_t* resource, int pixels) const
    {
        if (pixels != size)
            return false;
        if (IS_INTRESOURCE(resource))
            return number == reinterpret_cast<ULONG_PTR>(resource);
        return number == 0 && name == resource;
    }
};

}  // namespace

HICON ProgramIcon(const wchar_t* name, int size)
{
    // Freed at exit, after every window: a class may name these until its last window goes.
    static std::vector<std::unique_ptr<LoadedIcon>> loaded;
    for (const auto& entry : loaded)
        if (entry->Is(name, size))
            return entry->icon.Get();
    auto icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_ICON, size, size, 0));
    if (!icon)
        return nullptr;
    const bool numbered = IS_INTRESOURCE(name);
    loaded.push_back(std::unique_ptr<LoadedIcon>(new LoadedIcon{
        numbered ? reinterpret_cast<ULONG_PTR>(name) : 0, numbered ? L"" : name, size, IconHandle(icon)}));
    return icon;
}

}  // namespace fw
