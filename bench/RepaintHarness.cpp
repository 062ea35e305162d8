// Median time of a full repaint of the main window (every control), under Wine.
//   RepaintHarness.exe [repaints]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/Clock.h"

#include "app/Unit1.h"
#include "framework/Application.h"

int wmain(int argc, wchar_t** argv)
{
    int repaints = argc > 1 ? _wtoi(argv[1]) : 200;
    fw::Application& app = fw::Application::Instance();
    app.Initialize();
    TForm1 form;
    form.Show();
    app.ProcessMessages();
    form.SCButtonEdit1->SetText("C:\\Games\\BG2");  // enabled, black text: the usual look
    app.ProcessMessages();

    std::vector<double> times;
    for (int i = 0; i < repaints; ++i) {
        double start = NowMs();
        RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        GdiFlush();
        times.push_back(NowMs() - start);
    }
    std::sort(times.begin(), times.end());
    std::printf("full repaint of the main window, %d runs: median %.3f ms, fastest %.3f ms, slowest %.3f ms\n",
                repaints, times[times.size() / 2], times.front(), times.back());
    return 0;
}
