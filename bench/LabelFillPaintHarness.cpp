// Median time of one paint of the About window's title (letters filled with 16 elliptic
// bands) against a plain DrawText of the same caption in the same font and the same run,
// under Wine. The goal is at most 3 times on a 32-bit DIB section, as the windows paint into,
// and at most 4 times on a bitmap that is not one; both canvases are of the title's size. The paints alternate
// in rounds, so that a load that comes and goes on the machine touches all of them alike.
//   LabelFillPaintHarness.exe [rounds]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/Clock.h"

#include "app/Unit2.h"
#include "framework/Application.h"
#include "framework/Canvas.h"
#include "framework/Cp1251.h"
#include "framework/Gdi.h"

namespace {

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// The times of each paint in each round; every round starts with the next paint.
std::vector<std::vector<double>> TimesInRounds(int rounds, const std::vector<std::function<void()>>& paints)
{
    std::vector<std::vector<double>> times(paints.size());
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t k = 0; k < paints.size(); ++k) {
            const std::size_t i = (static_cast<std::size_t>(round) + k) % paints.size();
            const double start = NowMs();
            paints[i]();
            GdiFlush();
            times[i].push_back(NowMs() - start);
        }
    }
    return times;
}

void Report(const char* canvas, const std::vector<double>& filled, const std::vector<double>& plain, int goal)
{
    std::vector<double> paired;
    for (std::size_t i = 0; i < filled.size() && i < plain.size(); ++i)
        paired.push_back(filled[i] / plain[i]);
    std::printf("  %s: median %.4f ms filled, %.4f ms plain DrawText, ratio %.2f (median of paired ratios %.2f, "
                "goal: at most %d)\n",
                canvas, Median(filled), Median(plain), Median(filled) / Median(plain), Median(paired), goal);
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    const int rounds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 1000;
    fw::Application::Instance().Initialize();
    TForm2 about;
    TLMDLabelFill& title = *about.LMDLabelFill1;
    const std::wstring caption = fw::Widen(title.Caption());
    const int width = title.Width(), height = title.Height();

    fw::DibSection dib(width, height);
    const HDC screen = GetDC(nullptr);
    fw::MemoryDC bitmapDC(screen);
    fw::BitmapHandle bitmap(CreateCompatibleBitmap(screen, width, height));
    ReleaseDC(nullptr, screen);
    fw::SelectGuard selectBitmap(bitmapDC.Get(), bitmap.Get());

    const auto plain = [&](HDC dc) {
        fw::SelectGuard font(dc, title.GetFont().Handle());
        SetBkMode(dc, TRANSPARENT);
        RECT rect = {0, 0, width, height};
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect, DT_WORDBREAK | DT_EXPANDTABS);
    };
    const auto filled = [&](HDC dc) {
        fw::Canvas canvas(dc);
        title.Paint(canvas);
    };
    const std::vector<std::vector<double>> times = TimesInRounds(rounds, {
        [&] { plain(dib.DC()); },
        [&] { filled(dib.DC()); },
        [&] { plain(bitmapDC.Get()); },
        [&] { filled(bitmapDC.Get()); },
    });
    std::printf("About title, %d x %d, %d rounds:\n", width, height, rounds);
    Report("DIB section canvas", times[1], times[0], 3);
    Report("other bitmap canvas", times[3], times[2], 4);
    return 0;
}
