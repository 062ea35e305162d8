// The shell and COM functions the program calls, taken from their libraries when first
// asked for instead of being imported: the first screen needs neither library, and
// loading them (with what they load in turn) would lengthen every start.
#pragma once

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

// Each entry is empty when its library or the function is missing; callers then fail
// the operation they were asked for.
struct ShellFunctions {
    // ole32.dll
    decltype(&::CoInitializeEx) CoInitializeEx = nullptr;
    // shell32.dll
    decltype(&::SHBrowseForFolderW) SHBrowseForFolderW = nullptr;
    decltype(&::SHGetDesktopFolder) SHGetDesktopFolder = nullptr;
    decltype(&::SHGetMalloc) SHGetMalloc = nullptr;
    decltype(&::SHGetPathFromIDListEx) SHGetPathFromIDListEx = nullptr;
    decltype(&::SHGetSpecialFolderLocation) SHGetSpecialFolderLocation = nullptr;
    decltype(&::ShellExecuteExW) ShellExecuteExW = nullptr;
};

// Loads the two libraries by name and looks the functions up. The libraries stay loaded.
ShellFunctions LoadShellFunctions(const wchar_t* shellLibrary, const wchar_t* comLibrary);

// The functions of shell32.dll and ole32.dll, loaded on the first call.
const ShellFunctions& ShellApi();

// Puts `functions` in the place of what ShellApi() gives, for tests that stand in for the
// shell or take it away; returns what was there.
ShellFunctions ReplaceShellFunctions(const ShellFunctions& functions);
