// Painting in a canvas's own pixels: which canvases give them, where each pixel lies, and
// the filled label painting the same pixels in place as through a bitmap of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "framework/Canvas.h"
#include "framework/Gdi.h"
#include "widgets/fill/LMDCanvasPixels.h"
#include "widgets/fill/LMDLabelFill.h"

namespace {

constexpr int kWidth = 120, kHeight = 61;  // an odd height has a middle row

enum Kind { kTopDown, kBottomUp, kRgb24, kMasks, kNotDib };

// A memory DC drawing into a bitmap of one kind, its pixels a pattern of distinct colours;
// in 32-bit DIB sections the byte above the colour is set too.
class TestCanvas {
public:
    explicit TestCanvas(Kind kind) : kind_(kind), bitmap_(Make(kind, bits_)), select_(dc_.Get(), bitmap_.Get())
    {
        fw::DibSection pattern(kWidth, kHeight);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                pattern.Pixel(x, y) = static_cast<std::uint32_t>(x * 0x020401 + y * 0x030103) & 0xFFFFFF;
        BitBlt(dc_.Get(), 0, 0, kWidth, kHeight, pattern.DC(), 0, 0, SRCCOPY);
        GdiFlush();
        if (kind != kRgb24 && bits_)
            for (std::uint32_t* p = bits_; p != bits_ + kWidth * kHeight; ++p)
                *p |= 0x80000000u;
    }
    HDC DC() const { return dc_.Get(); }
    // The colour 0x00RRGGBB at (x, y), read through the platform.
    std::uint32_t At(int x, int y) const
    {
        fw::DibSection copy(1, 1);
        BitBlt(copy.DC(), 0, 0, 1, 1, dc_.Get(), x, y, SRCCOPY);
        GdiFlush();
        return copy.Pixel(0, 0) & 0xFFFFFF;
    }
    // Every pixel, read through the platform.
    std::vector<std::uint32_t> Pixels() const
    {
        fw::DibSection copy(kWidth, kHeight);
        BitBlt(copy.DC(), 0, 0, kWidth, kHeight, dc_.Get(), 0, 0, SRCCOPY);
        GdiFlush();
        std::vector<std::uint32_t> pixels(copy.Bits(), copy.Bits() + kWidth * kHeight);
        for (std::uint32_t& p : pixels)
            p &= 0xFFFFFF;
        return pixels;
    }
    // Every pixel of a 32-bit DIB section as it lies in memory, all four bytes, top row first.
    std::vector<std::uint32_t> Memory() const
    {
        GdiFlush();
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < kHeight; ++y) {
            const std::uint32_t* row = bits_ + (kind_ == kBottomUp ? kHeight - 1 - y : y) * kWidth;
            pixels.insert(pixels.end(), row, row + kWidth);
        }
        return pixels;
    }

private:
    static HBITMAP Make(Kind kind, std::uint32_t*& bits)
    {
        if (kind == kNotDib) {
            const HDC display = GetDC(nullptr);
            const HBITMAP bitmap = CreateCompatibleBitmap(display, kWidth, kHeight);
            ReleaseDC(nullptr, display);
            return bitmap;
        }
        struct {
            BITMAPINFOHEADER header;
            DWORD masks[3];
        } info = {};
        info.header.biSize = sizeof(info.header);
        info.header.biWidth = kWidth;
        info.header.biHeight = kind == kBottomUp ? kHeight : -kHeight;
        info.header.biPlanes = 1;
        info.header.biBitCount = kind == kRgb24 ? 24 : 32;
        // The masks of plain 32-bit pixels: the same memory, told apart only by its header.
        info.header.biCompression = kind == kMasks ? BI_BITFIELDS : BI_RGB;
        info.masks[0] = 0xFF0000;
        info.masks[1] = 0x00FF00;
        info.masks[2] = 0x0000FF;
        void* memory = nullptr;
        const HBITMAP bitmap =
            CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &memory, nullptr, 0);
        bits = static_cast<std::uint32_t*>(memory);
        return bitmap;
    }

    Kind kind_;
    std::uint32_t* bits_ = nullptr;
    fw::MemoryDC dc_;
    fw::BitmapHandle bitmap_;
    fw::SelectGuard select_;
};

// How a control's painting sees the canvas: its corner at (left, top), clipped to its
// rectangle, and to `clip` (in the canvas's coordinates) or two rectangles of it; maybe
// with drawing settings other than a fresh DC's.
struct Placement {
    const char* name;
    int left, top;
    RECT clip;
    bool twoPieces, oddSettings;
    bool byWindowOrigin = false;  // the corner moved by the window's origin, not the viewport's
};

const Placement kPlacements[] = {
    {"inside", 7, 5, {0, 0, kWidth, kHeight}, false, false},
    {"from the middle row down", 7, kHeight / 2, {0, 0, kWidth, kHeight}, false, false},
    {"cut by the clip", 7, 5, {20, 12, 90, kHeight}, false, false},
    {"hanging over the edges", -9, kHeight - 20, {0, 0, kWidth, kHeight}, false, false},
    {"clipped to two pieces", 7, 5, {0, 0, 40, kHeight}, true, false},
    {"odd drawing settings", 7, 5, {0, 0, kWidth, kHeight}, false, true},
    {"moved by the window origin", 11, 9, {0, 3, kWidth, kHeight}, false, false, true},
};

void Place(HDC dc, const Placement& p, int width, int height)
{
    if (p.oddSettings) {
        SetROP2(dc, R2_NOT);
        SetTextAlign(dc, TA_BASELINE | TA_RIGHT);
        SetTextJustification(dc, 20, 3);
        SetPolyFillMode(dc, WINDING);
        SetBrushOrgEx(dc, 3, 1, nullptr);
    }
    if (p.twoPieces) {
        fw::RegionHandle pieces(CreateRectRgn(p.clip.left, p.clip.top, p.clip.right, p.clip.bottom));
        fw::RegionHandle second(CreateRectRgn(45, 0, kWidth, kHeight));
        CombineRgn(pieces.Get(), pieces.Get(), second.Get(), RGN_OR);
        SelectClipRgn(dc, pieces.Get());
    } else {
        IntersectClipRect(dc, p.clip.left, p.clip.top, p.clip.right, p.clip.bottom);
    }
    if (p.byWindowOrigin)
        SetWindowOrgEx(dc, -p.left, -p.top, nullptr);
    else
        OffsetViewportOrgEx(dc, p.left, p.top, nullptr);
    IntersectClipRect(dc, 0, 0, width, height);
}

// What a paint must leave of a DC's settings as it found them. The back colour is left out:
// the canvas fills rectangles with it and keeps it until the canvas ends.
std::string SettingsOf(HDC dc)
{
    POINT viewport, window, brush;
    GetViewportOrgEx(dc, &viewport);
    GetWindowOrgEx(dc, &window);
    GetBrushOrgEx(dc, &brush);
    RECT clip;
    const int clipKind = GetClipBox(dc, &clip);
    std::ostringstream text;
    text << "viewport " << viewport.x << "," << viewport.y << " window " << window.x << "," << window.y << " clip "
         << clipKind << ":" << clip.left << "," << clip.top << "," << clip.right << "," << clip.bottom << " brush origin "
         << brush.x << "," << brush.y << " rop " << GetROP2(dc) << " align " << GetTextAlign(dc) << " fill mode "
         << GetPolyFillMode(dc) << " stretch " << GetStretchBltMode(dc) << " extra " << GetTextCharacterExtra(dc)
         << " bk " << GetBkMode(dc) << " text " << GetTextColor(dc) << " objects "
         << GetCurrentObject(dc, OBJ_FONT) << " " << GetCurrentObject(dc, OBJ_BRUSH) << " "
         << GetCurrentObject(dc, OBJ_PEN) << " " << GetCurrentObject(dc, OBJ_BITMAP) << " "
         << GetCurrentObject(dc, OBJ_PAL);
    return text.str();
}

TEST(CanvasPixels, WhichCanvasesGiveTheirPixels)
{
    const struct {
        const char* name;
        Kind kind;
        std::function<void(HDC)> setUp;
        bool given;
    } cases[] = {
        {"top-down", kTopDown, [](HDC) {}, true},
        {"bottom-up", kBottomUp, [](HDC) {}, true},
        {"24 bits", kRgb24, [](HDC) {}, false},
        {"32 bits with colour masks", kMasks, [](HDC) {}, false},
        {"no DIB section", kNotDib, [](HDC) {}, false},
        {"scaled", kTopDown, [](HDC dc) { SetMapMode(dc, MM_LOMETRIC); }, false},
        {"world transform", kTopDown, [](HDC dc) { SetGraphicsMode(dc, GM_ADVANCED); }, false},
        {"mirrored", kTopDown, [](HDC dc) { SetLayout(dc, LAYOUT_RTL); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestCanvas canvas(c.kind);
        fw::SavedDC saved(canvas.DC());
        c.setUp(canvas.DC());
        EXPECT_EQ(lmd::CanvasPixels::Of(canvas.DC(), RECT{0, 0, 10, 10}).has_value(), c.given);
    }
}

// Each row of the reach, written in memory, shows at its place through the platform; the
// question which way up the rows lie leaves no mark.
TEST(CanvasPixels, RowsLieWhereThePlatformDrawsThem)
{
    const RECT label = {0, 0, 50, 21};
    for (Kind kind : {kTopDown, kBottomUp}) {
        for (const Placement& p : kPlacements) {
            SCOPED_TRACE(testing::Message() << p.name << (kind == kTopDown ? ", top-down" : ", bottom-up"));
            TestCanvas canvas(kind);
            const std::vector<std::uint32_t> before = canvas.Pixels();
            std::optional<lmd::CanvasPixels> pixels;
            {
                fw::SavedDC saved(canvas.DC());
                Place(canvas.DC(), p, label.right, label.bottom);
                pixels = lmd::CanvasPixels::Of(canvas.DC(), label);
            }
            ASSERT_EQ(pixels.has_value(), !p.twoPieces);
            if (!pixels)
                continue;
            EXPECT_EQ(canvas.Pixels(), before);
            // The clip and the bitmap in the label's coordinates, cut to the label.
            RECT expected = p.clip;
            OffsetRect(&expected, -p.left, -p.top);
            const RECT onBitmap = {-p.left, -p.top, kWidth - p.left, kHeight - p.top};
            IntersectRect(&expected, &expected, &label);
            IntersectRect(&expected, &expected, &onBitmap);
            EXPECT_TRUE(EqualRect(&pixels->Reach(), &expected));
            for (int y = 0; y < pixels->Height(); ++y) {
                pixels->Row(y).front() = 0x00FF00u + static_cast<std::uint32_t>(y);
                pixels->Row(y).back() = 0xFF0000u + static_cast<std::uint32_t>(y);
            }
            for (int y = 0; y < pixels->Height(); ++y) {
                const int x = p.left + pixels->Reach().left, row = p.top + pixels->Reach().top + y;
                EXPECT_EQ(canvas.At(x, row), 0x00FF00u + static_cast<std::uint32_t>(y)) << "row " << y;
                EXPECT_EQ(canvas.At(x + pixels->Width() - 1, row), 0xFF0000u + static_cast<std::uint32_t>(y));
            }
        }
    }
}

using LabelSetUp = std::function<void(TLMDLabelFill&)>;

// Labels on a patterned canvas paint the same pixels in place, on a 32-bit DIB section, as
// through a bitmap of their own: byte for byte on the same memory told apart only by its
// colour masks, and on a bitmap that is no DIB section. Either way the DC's settings are
// left as they were.
TEST(CanvasPixels, FilledLabelPaintsTheSamePixelsInPlace)
{
    const fw::Bitmap picture(2, 2, {0xFF0000, 0x0000FF, 0xFFFF00, 0x000000});
    const struct {
        const char* name;
        LabelSetUp setUp;
    } labels[] = {
        {"elliptic bands",
         [](TLMDLabelFill& l) {
             l.FillObject().SetStyle(sfGradient);
             l.FillObject().Gradient().SetColor(4227072);
             l.FillObject().Gradient().SetStyle(gstElliptic);
         }},
        {"hatched inside a frame",
         [](TLMDLabelFill& l) {
             l.FillObject().SetStyle(sfBrush);
             l.FillObject().Brush().SetStyle(fw::bsDiagCross);
             l.FillObject().Brush().SetColor(fw::clRed);
             l.Bevel().SetBorderWidth(3);
         }},
        {"a picture as brush pattern, opaque",
         [&](TLMDLabelFill& l) {
             l.FillObject().SetStyle(sfBrushBitmap);
             l.FillObject().SetBitmap(picture);
             l.SetTransparent(false);
             l.SetColor(fw::clYellow);
         }},
        {"a tiled picture, back colour as text colour",
         [&](TLMDLabelFill& l) {
             l.FillObject().SetStyle(sfBitmap);
             l.FillObject().SetBitmap(picture);
             l.SetBrushBackColor(fw::clWindowText);
         }},
        {"several lines taller than the label, in its middle",
         [](TLMDLabelFill& l) {
             l.FillObject().SetStyle(sfGradient);
             l.SetAutoSize(false);
             l.SetMultiLine(true);
             l.SetAlignment(agCenter);
             l.SetCaption("Filled\nletters\nof\nmany\nlines");
             l.SetBounds(0, 0, 50, 40);
         }},
    };
    for (const auto& l : labels) {
        for (const Placement& p : kPlacements) {
            for (Kind kind : {kTopDown, kBottomUp}) {
                SCOPED_TRACE(testing::Message() << l.name << ", " << p.name << (kind == kTopDown ? ", top-down" : ", bottom-up"));
                TLMDLabelFill label;
                label.SetCaption("Fill the letters");
                label.GetFont().SetHeight(24);
                label.GetFont().SetStyle(fw::fsBold);
                l.setUp(label);
                TestCanvas masks(kMasks), notDib(kNotDib), dib(kind);
                const std::vector<std::uint32_t> background = dib.Pixels();
                for (const TestCanvas* canvas : {&masks, &notDib, &dib}) {
                    fw::SavedDC saved(canvas->DC());
                    Place(canvas->DC(), p, label.Width(), label.Height());
                    fw::Canvas target(canvas->DC());
                    const std::string settings = SettingsOf(canvas->DC());
                    label.Paint(target);
                    EXPECT_EQ(SettingsOf(canvas->DC()), settings);
                }
                EXPECT_EQ(dib.Memory(), masks.Memory());
                const std::vector<std::uint32_t> painted = dib.Pixels();
                EXPECT_EQ(painted, notDib.Pixels());
                int changed = 0;
                for (std::size_t i = 0; i < painted.size(); ++i)
                    changed += painted[i] != background[i];
                EXPECT_GT(changed, 50) << "the label shows";
            }
        }
    }
}

}  // namespace
