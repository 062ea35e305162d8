// Median time of one paint of the About window's title (letters filled with 16 elliptic
// bands) against a plain DrawText of the same caption in the same font and the same run,
// both into a 32-bit DIB of the title's size, under Wine. The goal is at most 4 times.
//   LabelFillPaintHarness.exe [paints]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "bench/Clock.h"

#include "app/Unit2.h"
#include "framework/Application.h"
#include "framework/Canvas.h"
#include "framework/Cp1251.h"
#include "framework/Gdi.h"

int wmain(int argc, wchar_t** argv)
{
    const int paints = argc > 1 ? std::max(1, _wtoi(argv[1])) : 1000;
    fw::Application::Instance().Initialize();
    TForm2 about;
    TLMDLabelFill& title = *about.LMDLabelFill1;
    const std::wstring caption = fw::Widen(title.Caption());
    fw::DibSection target(title.Width(), title.Height());

    const double plain = MedianPaintMs(paints, [&] {
        fw::SelectGuard font(target.DC(), title.GetFont().Handle());
        SetBkMode(target.DC(), TRANSPARENT);
        RECT rect = {0, 0, title.Width(), title.Height()};
        DrawTextW(target.DC(), caption.c_str(), static_cast<int>(caption.size()), &rect, DT_WORDBREAK | DT_EXPANDTABS);
    });
    const double filled = MedianPaintMs(paints, [&] {
        fw::Canvas canvas(target.DC());
        title.Paint(canvas);
    });
    std::printf("About title, %d x %d, %d paints: median %.4f ms filled, %.4f ms plain DrawText, ratio %.2f "
                "(goal: at most 4)\n",
                title.Width(), title.Height(), paints, filled, plain, filled / plain);
    return 0;
}
