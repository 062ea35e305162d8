// The folder dialog's arithmetic: shell flags of the options, the browse window's place
// and the custom button's bounds.
#include "widgets/shell/ElFolderGeometry.h"

#include <gtest/gtest.h>

namespace {

TEST(FolderDialogOptions, FlagsAndOrdinalBits)
{
    struct Case {
        const char* label;
        TBrowseForFolderOptions options;
        std::uint32_t flags;
        std::uint8_t bits;
    };
    const Case cases[] = {
        {"none", {}, 0, 0},
        {"dirs only", {bfoFileSysDirsOnly}, 0x0001, 0x01},
        {"below domain", {bfoDontGoBelowDomain}, 0x0002, 0x02},
        {"status text", {bfoStatusText}, 0x0004, 0x04},
        {"ancestors", {bfoFileSysAncestors}, 0x0008, 0x08},
        {"computer", {bfoBrowseForComputer}, 0x1000, 0x10},
        {"printer", {bfBrowseForPrinter}, 0x2000, 0x20},
        {"files", {bfoBrowseIncludeFiles}, 0x4000, 0x40},
        {"show path alone", {bfoShowPath}, 0, 0x80},
        {"the program's", {bfoFileSysDirsOnly, bfoDontGoBelowDomain, bfoFileSysAncestors}, 0x000B, 0x0B},
        {"all", TBrowseForFolderOptions::FromBits(0xFF), 0x700F, 0xFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(BrowseFlags(c.options), c.flags);
        EXPECT_EQ(c.options.Bits(), c.bits);
    }
    TBrowseForFolderOptions set{bfoStatusText, bfoShowPath};
    set.Exclude(bfoStatusText);
    EXPECT_FALSE(set.Contains(bfoStatusText));
    EXPECT_TRUE(set.Contains(bfoShowPath));
}

TEST(FolderDialogPlacement, EachPosition)
{
    const FolderDialogScreens screens{1280, 1024, 2560, 1024};
    const FolderDialogRect form{100, 50, 392, 450};
    const FolderDialogRect narrowForm{100, 50, 391, 450};  // (391 - 400) / 2 is -4, not -5
    const FolderDialogRect offScreenForm{-300, -200, 392, 450};
    struct Case {
        const char* label;
        TFolderDialogPosition position;
        int w, h;
        const FolderDialogRect* form;
        std::optional<FolderDialogPoint> origin;
    };
    const Case cases[] = {
        {"default stays", fdpDefault, 400, 300, &form, std::nullopt},
        {"screen", fdpScreenCenter, 400, 300, nullptr, FolderDialogPoint{440, 362}},
        {"screen, odd remainder", fdpScreenCenter, 401, 301, nullptr, FolderDialogPoint{439, 361}},
        {"larger than the screen", fdpScreenCenter, 1400, 1100, nullptr, FolderDialogPoint{0, 0}},
        {"desktop", fdpDesktopCenter, 400, 300, nullptr, FolderDialogPoint{1080, 362}},
        {"main form", fdpMainFormCenter, 400, 300, &form, FolderDialogPoint{96, 125}},
        {"owner form, truncated", fdpOwnerFormCenter, 400, 300, &narrowForm, FolderDialogPoint{96, 125}},
        {"form off the screen", fdpMainFormCenter, 400, 300, &offScreenForm, FolderDialogPoint{0, 0}},
        {"no main form yet", fdpMainFormCenter, 400, 300, nullptr, FolderDialogPoint{440, 362}},
        {"owner, no form", fdpOwnerFormCenter, 400, 300, nullptr, FolderDialogPoint{440, 362}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(BrowseWindowOrigin(c.position, c.w, c.h, screens, c.form), c.origin);
    }
}

TEST(FolderDialogCustomButton, BoundsFromDialogUnits)
{
    struct Case {
        const char* label;
        int bx, by, cw, ch;
        FolderDialogRect bounds;
    };
    const Case cases[] = {
        // With the client as large as the reference frame (424 by 376 pixels) the scale is 1.
        {"unit scale", 8, 16, 424, 376, {16, 332, 102, 28}},
        {"half scale", 8, 16, 212, 188, {9, 166, 52, 14}},
        {"odd units", 6, 13, 318, 305, {12, 269, 77, 23}},
        {"odd units, truncated", 6, 13, 400, 400, {14, 352, 96, 30}},
        {"products past 32 bits", 8, 16, 424, 10000000, {16, 8829787, 102, 744680}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(CustomButtonBounds(c.bx, c.by, c.cw, c.ch), c.bounds);
    }
}

}  // namespace
