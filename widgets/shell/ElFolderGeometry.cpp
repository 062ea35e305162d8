#include "widgets/shell/ElFolderGeometry.h"

#include <cstdint>

std::optional<FolderDialogPoint> BrowseWindowOrigin(TFolderDialogPosition position, int w, int h,
                                                    const FolderDialogScreens& screens,
                                                    const FolderDialogRect* form)
{
    FolderDialogPoint p;
    switch (position) {
    case fdpDefault:
        return std::nullopt;
    case fdpDesktopCenter:
        // The desktop's own origin is not added.
        p = {(screens.desktopWidth - w) / 2, (screens.desktopHeight - h) / 2};
        break;
    case fdpMainFormCenter:
    case fdpOwnerFormCenter:
        if (form) {
            p = {(form->width - w) / 2 + form->left, (form->height - h) / 2 + form->top};
            break;
        }
        [[fallthrough]];
    case fdpScreenCenter:
    default:
        p = {(screens.screenWidth - w) / 2, (screens.screenHeight - h) / 2};
        break;
    }
    if (p.x < 0)
        p.x = 0;
    if (p.y < 0)
        p.y = 0;
    return p;
}

namespace {

// A rectangle in dialog units (left, top, width, height) as pixel edges.
struct PixelEdges {
    int left, top, right, bottom;
};

PixelEdges ToPixels(int left, int top, int width, int height, int bx, int by)
{
    return {left * bx / 4, top * by / 8, (left + width) * bx / 4, (top + height) * by / 8};
}

int Scale(int v, int client, int reference)
{
    return static_cast<int>(static_cast<std::int64_t>(v) * client / reference) + 1;
}

}  // namespace

FolderDialogRect CustomButtonBounds(int bx, int by, int cw, int ch)
{
    // The shell's dialog template: its frame, and the button below the tree on the left.
    const PixelEdges frame = ToPixels(46, 21, 212, 188, bx, by);
    const PixelEdges button = ToPixels(100, 166, 50, 14, bx, by);
    const int leftEdge = 7 * bx / 4;
    const int frameWidth = frame.right - frame.left;
    const int frameHeight = frame.bottom - frame.top;
    auto sx = [&](int v) { return Scale(v, cw, frameWidth); };
    auto sy = [&](int v) { return Scale(v, ch, frameHeight); };
    return {sx(leftEdge) + 1, sy(button.top) - 1, sx(button.right - button.left) + 1,
            sy(button.bottom - button.top) - 1};
}
