// Runs the shell's folder browser. A plain version: title, prompt, the browse options
// and centring on the screen; the chosen folder as a file-system path.
#pragma once

#include <string>

#include "framework/Component.h"

enum TElBrowseOption : unsigned {
    bfoFileSysDirsOnly = 1,
    bfoDontGoBelowDomain = 2,
    bfoFileSysAncestors = 4,
};

enum TElSpecialFolder { sfoDesktopExpanded, sfoDesktop };
enum TElFolderDialogPosition { fdpDefault, fdpScreenCenter };

class TElFolderDialog : public fw::Component {
public:
    explicit TElFolderDialog(fw::Component* owner = nullptr) : Component(owner) {}
    std::string ClassName() const override { return "TElFolderDialog"; }

    std::string Title;   // the browser window's caption
    std::string Prompt;  // the text above the folder tree
    unsigned Options = 0;
    TElSpecialFolder RootFolder = sfoDesktopExpanded;
    TElFolderDialogPosition DialogPosition = fdpScreenCenter;

    // Shows the browser; true when the user confirmed a folder.
    bool Execute();
    // The confirmed folder, without a trailing backslash unless it is a drive root.
    const std::string& Folder() const { return folder_; }

private:
    std::string folder_;
};
