#include "widgets/shell/ShellLibrary.h"

#include <utility>

namespace {

template <typename Function>
void Find(HMODULE library, const char* name, Function& entry)
{
    // Through the generic function type, which converts to any other without a warning.
    entry = library ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)))
                    : nullptr;
}

ShellFunctions& Loaded()
{
    // Both are known system libraries: a plain name always loads the system's own copy.
    static ShellFunctions functions = LoadShellFunctions(L"shell32.dll", L"ole32.dll");
    return functions;
}

}  // namespace

ShellFunctions LoadShellFunctions(const wchar_t* shellLibrary, const wchar_t* comLibrary)
{
    ShellFunctions f;
    HMODULE com = LoadLibraryW(comLibrary);
    Find(com, "CoInitializeEx", f.CoInitializeEx);
    HMODULE shell = LoadLibraryW(shellLibrary);
    Find(shell, "SHBrowseForFolderW", f.SHBrowseForFolderW);
    Find(shell, "SHGetDesktopFolder", f.SHGetDesktopFolder);
    Find(shell, "SHGetMalloc", f.SHGetMalloc);
    Find(shell, "SHGetPathFromIDListEx", f.SHGetPathFromIDListEx);
    Find(shell, "SHGetSpecialFolderLocation", f.SHGetSpecialFolderLocation);
    Find(shell, "ShellExecuteExW", f.ShellExecuteExW);
    return f;
}

const ShellFunctions& ShellApi()
{
    return Loaded();
}

ShellFunctions ReplaceShellFunctions(const ShellFunctions& functions)
{
    return std::exchange(Loaded(), functions);
}
