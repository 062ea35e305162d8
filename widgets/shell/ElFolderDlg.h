// The shell's folder browser as a component: runs it modally with the program's caption,
// prompt, options, root and placement, follows the highlighted folder while it is open,
// and keeps the chosen folder (as a shell item list) for the next run to preselect.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/Component.h"
#include "widgets/shell/ElFolderOptions.h"
#include "widgets/shell/ElShellUtils.h"

namespace fw {
class WinControl;
}

using TNotifyEvent = std::function<void(fw::Component* sender)>;

class TElFolderDialog : public fw::Component {
public:
    explicit TElFolderDialog(fw::Component* owner = nullptr);
    // An open browser is closed as cancelled.
    ~TElFolderDialog() override;
    std::string ClassName() const override { return "TElFolderDialog"; }

    // The browser always belongs to the application window: reads none, ignores writes.
    fw::WinControl* Parent() const { return nullptr; }
    void SetParent(fw::WinControl*) {}

    std::string DialogTitle;  // the browse window's caption, set even when empty
    std::string CustomButtonCaption;

    // The current item's file-system path (empty for an item without one) or, with no
    // current item, the text last written.
    std::string Folder() const;
    // Parses the text; an existing folder becomes the current item (its path in the
    // shell's form) and raises OnChange. An empty or unparsable text is kept as written.
    void SetFolder(const std::string& folder);

    // Raised whenever the current item changes: each selection in an open browser, the
    // preselection, a parsed Folder write, the confirmed choice.
    TNotifyEvent OnChange;
    TNotifyEvent OnCustomButtonClick;
    // Raised when the browse window is destroyed, after the shell has handled that.
    TNotifyEvent OnClose;

    TBrowseForFolderOptions Options;
    TShellFolders RootFolder = sfoDesktopExpanded;
    bool ShowCustomButton = false;
    std::string CustomRootFolder;  // the root with sfoCustom

    const std::string& StatusText() const { return statusText_; }
    // Also shows the text in an open browser's status line (with bfoStatusText).
    void SetStatusText(const std::string& text);

    std::string Prompt;  // the text above the tree
    TFolderDialogPosition Position = fdpDefault;

    // Runs the browser with the program's windows disabled. True when the user confirmed
    // a folder that has a path; false on cancel, for an item without a path (Folder is
    // then as before), while a run is already open, and when the system has no browser.
    bool Execute();
    // The browse window while it is open, otherwise nullptr.
    HWND Handle() const { return window_; }

private:
    struct Run;
    class CustomButton;

    static int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM param, LPARAM data);
    static LRESULT CALLBACK BrowseWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The browse window's messages while it is subclassed; the rest go to `previous`.
    LRESULT Dispatch(HWND window, WNDPROC previous, UINT message, WPARAM wParam, LPARAM lParam);
    void Subclass(HWND window);
    void Unsubclass();
    void Initialized(HWND window);
    void SelectionChanged(LPCITEMIDLIST list);
    void PlaceWindow();
    void SendStatusText(const std::string& text);

    std::string folderText_;
    ItemIdList current_;
    std::string statusText_;
    wchar_t displayName_[MAX_PATH + 1] = {};
    HWND window_ = nullptr;
    Run* run_ = nullptr;
    std::unique_ptr<CustomButton> button_;
    bool awaitingInit_ = false;
    bool selectionPending_ = false;
    bool browsing_ = false;
};
