// Colour values of the framework. High byte 0: 0x00BBGGRR (red in the lowest byte).
// High byte 0xFF: the low byte is a system colour index, resolved when painted.
#pragma once

#include <cstdint>

namespace fw {

using Color = std::uint32_t;

constexpr Color SystemColor(int index) { return 0xFF000000u | static_cast<Color>(index & 0xFF); }
constexpr bool IsSystemColor(Color c) { return (c >> 24) == 0xFFu; }
constexpr int SystemColorIndex(Color c) { return static_cast<int>(c & 0xFFu); }
constexpr Color RgbColor(int r, int g, int b)
{
    return static_cast<Color>(r & 0xFF) | (static_cast<Color>(g & 0xFF) << 8) | (static_cast<Color>(b & 0xFF) << 16);
}
constexpr int RedOf(Color c) { return static_cast<int>(c & 0xFFu); }
constexpr int GreenOf(Color c) { return static_cast<int>((c >> 8) & 0xFFu); }
constexpr int BlueOf(Color c) { return static_cast<int>((c >> 16) & 0xFFu); }

constexpr Color clNone = 0x1FFFFFFF;
constexpr Color clDefault = 0x20000000;

// System colours (indices of the platform's colour table).
constexpr Color clScrollBar = SystemColor(0);
constexpr Color clBackground = SystemColor(1);
constexpr Color clActiveCaption = SystemColor(2);
constexpr Color clInactiveCaption = SystemColor(3);
constexpr Color clMenu = SystemColor(4);
constexpr Color clWindow = SystemColor(5);
constexpr Color clWindowFrame = SystemColor(6);
constexpr Color clMenuText = SystemColor(7);
constexpr Color clWindowText = SystemColor(8);
constexpr Color clCaptionText = SystemColor(9);
constexpr Color clActiveBorder = SystemColor(10);
constexpr Color clInactiveBorder = SystemColor(11);
constexpr Color clAppWorkSpace = SystemColor(12);
constexpr Color clHighlight = SystemColor(13);
constexpr Color clHighlightText = SystemColor(14);
constexpr Color clBtnFace = SystemColor(15);
constexpr Color clBtnShadow = SystemColor(16);
constexpr Color clGrayText = SystemColor(17);
constexpr Color clBtnText = SystemColor(18);
constexpr Color clInactiveCaptionText = SystemColor(19);
constexpr Color clBtnHighlight = SystemColor(20);
constexpr Color cl3DDkShadow = SystemColor(21);
constexpr Color cl3DLight = SystemColor(22);
constexpr Color clInfoText = SystemColor(23);
constexpr Color clInfoBk = SystemColor(24);
constexpr Color clHotLight = SystemColor(26);

// Plain colours.
constexpr Color clBlack = 0x000000;
constexpr Color clMaroon = 0x000080;
constexpr Color clGreen = 0x008000;
constexpr Color clOlive = 0x008080;
constexpr Color clNavy = 0x800000;
constexpr Color clPurple = 0x800080;
constexpr Color clTeal = 0x808000;
constexpr Color clGray = 0x808080;
constexpr Color clSilver = 0xC0C0C0;
constexpr Color clRed = 0x0000FF;
constexpr Color clLime = 0x00FF00;
constexpr Color clYellow = 0x00FFFF;
constexpr Color clBlue = 0xFF0000;
constexpr Color clFuchsia = 0xFF00FF;
constexpr Color clAqua = 0xFFFF00;
constexpr Color clWhite = 0xFFFFFF;

// Looks up the current 0x00BBGGRR value of a system colour index.
using SystemColorLookup = std::uint32_t (*)(int index);

// The plain 0x00BBGGRR value of a colour: system colours through the lookup, clNone and
// clDefault as black, anything else with its high byte cleared.
Color ResolveColor(Color c, SystemColorLookup lookup);

// A plain colour as a 32-bit top-down DIB pixel (0x00RRGGBB) and back.
constexpr std::uint32_t ToPixel(Color rgb)
{
    return (static_cast<std::uint32_t>(RedOf(rgb)) << 16) | (static_cast<std::uint32_t>(GreenOf(rgb)) << 8) |
           static_cast<std::uint32_t>(BlueOf(rgb));
}
constexpr Color FromPixel(std::uint32_t pixel)
{
    return RgbColor(static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
                    static_cast<int>(pixel & 0xFF));
}

}  // namespace fw
