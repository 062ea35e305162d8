// Median time of painting the About title's fill (16 elliptic bands, 301 by 20 pixels) into
// a 32-bit DIB, off-screen as the label does and straight onto the canvas, under Wine.
//   GradientPaintHarness.exe [paints]
#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "bench/Clock.h"

#include "framework/Canvas.h"
#include "framework/ColorWin.h"
#include "framework/Gdi.h"
#include "widgets/fill/LMDFillObject.h"

namespace {

double FillPaintMs(const TLMDFillObject& fill, int paints)
{
    fw::DibSection target(301, 20);
    fw::Canvas canvas(target.DC());
    const RECT rect = {0, 0, 301, 20};
    return MedianPaintMs(paints, [&] { fill.PaintRect(canvas, rect, fw::clBtnFace); });
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    const int paints = argc > 1 ? std::max(1, _wtoi(argv[1])) : 1000;
    TLMDFillObject fill(fw::PlatformSystemColor);
    fill.SetStyle(sfGradient);
    fill.Gradient().SetColor(4227072);
    fill.Gradient().SetStyle(gstElliptic);
    const double offScreen = FillPaintMs(fill, paints);
    fill.SetOptions(fill.Options() & ~unsigned{foGrUseBitmap});
    const double direct = FillPaintMs(fill, paints);
    std::printf("About title fill, 301 x 20, 16 elliptic bands, %d paints: median %.4f ms off-screen, "
                "%.4f ms on the canvas\n",
                paints, offScreen, direct);
    return 0;
}
