#include "widgets/shell/ElHandPt.h"

#include <windows.h>

#include "framework/Cursors.h"

void RegisterHandCursor()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    // A resource cursor is shared by the system: the table must not destroy it.
    if (HCURSOR hand = LoadCursorW(GetModuleHandleW(nullptr), L"URLCURSOR"))
        fw::SetScreenCursor(crURLCursor, hand, false);
}
