// The shell and COM functions looked up at run time, and every shell operation of ours
// on a system that lacks them.
#include "widgets/shell/ShellLibrary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "widgets/shell/ElFolderDlg.h"
#include "widgets/shell/ElShellUtils.h"

namespace {

template <typename Function>
const void* Address(Function function)
{
    return reinterpret_cast<const void*>(function);
}

// The entries of `loaded`, each beside the function this test imports under that name.
struct Entry {
    const char* name;
    const void* loaded;
    const void* imported;
};
std::vector<Entry> Entries(const ShellFunctions& loaded)
{
    return {
        {"CoInitializeEx", Address(loaded.CoInitializeEx), Address(&::CoInitializeEx)},
        {"SHBrowseForFolderW", Address(loaded.SHBrowseForFolderW), Address(&::SHBrowseForFolderW)},
        {"SHGetDesktopFolder", Address(loaded.SHGetDesktopFolder), Address(&::SHGetDesktopFolder)},
        {"SHGetMalloc", Address(loaded.SHGetMalloc), Address(&::SHGetMalloc)},
        {"SHGetPathFromIDListEx", Address(loaded.SHGetPathFromIDListEx), Address(&::SHGetPathFromIDListEx)},
        {"SHGetSpecialFolderLocation", Address(loaded.SHGetSpecialFolderLocation),
         Address(&::SHGetSpecialFolderLocation)},
        {"ShellExecuteExW", Address(loaded.ShellExecuteExW), Address(&::ShellExecuteExW)},
    };
}

TEST(ShellLibrary, EachEntryIsTheFunctionOfItsNameAndAMissingLibraryLeavesItsOwnEmpty)
{
    const wchar_t* const missing = L"xptable-no-such-library.dll";
    struct Case {
        const char* label;
        const wchar_t* shell;
        const wchar_t* com;
    };
    const Case cases[] = {
        {"both present", L"shell32.dll", L"ole32.dll"},
        {"no shell", missing, L"ole32.dll"},
        {"no COM", L"shell32.dll", missing},
    };
    for (const Case& c : cases) {
        for (const Entry& e : Entries(LoadShellFunctions(c.shell, c.com))) {
            SCOPED_TRACE(std::string(c.label) + ", " + e.name);
            const bool fromCom = std::string(e.name) == "CoInitializeEx";
            EXPECT_EQ(e.loaded, (fromCom ? c.com : c.shell) == missing ? nullptr : e.imported);
        }
    }
    for (const Entry& e : Entries(ShellApi())) {
        SCOPED_TRACE(std::string("the program's, ") + e.name);
        EXPECT_EQ(e.loaded, e.imported);
    }
}

// Takes the shell away while it lives.
class NoShell {
public:
    NoShell() : previous_(ReplaceShellFunctions({})) {}
    ~NoShell() { ReplaceShellFunctions(previous_); }
    NoShell(const NoShell&) = delete;
    NoShell& operator=(const NoShell&) = delete;

private:
    ShellFunctions previous_;
};

TEST(ShellLibrary, WithoutTheShellEveryOperationFailsAndNothingShows)
{
    NoShell none;
    EnsureComApartment();

    TElFolderDialog dialog;
    dialog.SetFolder("C:\\before");
    int changes = 0;
    dialog.OnChange = [&](fw::Component*) { ++changes; };
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Handle(), nullptr);
    EXPECT_EQ(dialog.Folder(), "C:\\before");
    EXPECT_EQ(changes, 0);

    EXPECT_FALSE(LaunchURL("www.example.com"));
    static unsigned char item[] = {4, 0, 'a', 'b', 0, 0};
    std::string path = "unset";
    EXPECT_FALSE(PathFromIDList(reinterpret_cast<LPCITEMIDLIST>(item), path));
    EXPECT_EQ(path, "");
    struct Root {
        const char* label;
        TShellFolders folder;
    };
    for (const Root& r : {Root{"desktop", sfoDesktop}, Root{"my computer", sfoMyComputer}}) {
        SCOPED_TRACE(r.label);
        EXPECT_EQ(RootIDList(r.folder, ""), nullptr);
    }
}

}  // namespace
