// Where the folder dialog puts the browse window and its custom button. No Windows API
// here; all divisions truncate toward zero.
#pragma once

#include <optional>

#include "widgets/shell/ElFolderOptions.h"

struct FolderDialogRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const FolderDialogRect&) const = default;
};

struct FolderDialogPoint {
    int x = 0, y = 0;
    bool operator==(const FolderDialogPoint&) const = default;
};

struct FolderDialogScreens {
    int screenWidth = 0, screenHeight = 0;    // the primary screen
    int desktopWidth = 0, desktopHeight = 0;  // the virtual desktop over all screens
};

// The top-left corner for a browse window of w by h, or nothing for fdpDefault (the shell's
// place stays). `form` is the reference form's window rectangle: the main form's for
// fdpMainFormCenter, the owner form's (or else the main form's) for fdpOwnerFormCenter;
// without one those centre on the screen. A negative coordinate becomes 0.
std::optional<FolderDialogPoint> BrowseWindowOrigin(TFolderDialogPosition position, int w, int h,
                                                    const FolderDialogScreens& screens,
                                                    const FolderDialogRect* form);

// The custom button's bounds in the browse window's client area (cw by ch), laid out
// in dialog units and scaled from the shell's reference frame; bx and by are the dialog
// base units (positive).
FolderDialogRect CustomButtonBounds(int bx, int by, int cw, int ch);
