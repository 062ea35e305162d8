// Median time of one full paint of the game-folder field (369 pixels wide, the main
// window's settings) holding a 259-character path, under Wine: the paint routine into a
// 32-bit DIB (WM_PRINTCLIENT), and a repaint through the window's back buffer.
//   ButtonEditPaintHarness.exe [paints]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "bench/Clock.h"

#include "framework/Application.h"
#include "framework/Gdi.h"
#include "tests/widgets/edit/FieldForm.h"

int wmain(int argc, wchar_t** argv)
{
    const int paints = argc > 1 ? std::max(1, _wtoi(argv[1])) : 2000;
    fw::Application& app = fw::Application::Instance();
    app.Initialize();
    edittest::FieldForm form;
    form.Show();
    app.ProcessMessages();
    std::string path = "C:\\Games\\";
    while (path.size() < 259)
        path += "Baldur's Gate II\\";
    path.resize(259);
    TSCButtonEdit& field = *form.field;
    field.SetText(path);
    app.ProcessMessages();

    HWND window = field.Handle();
    fw::DibSection target(field.Width(), field.Height());
    auto print = [&] { SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target.DC()), PRF_CLIENT); };
    auto repaint = [&] { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); };
    const double plain = MedianPaintMs(paints, print);
    const double plainWindow = MedianPaintMs(paints, repaint);
    field.SetFocus();
    field.SelectAll();  // the whole path highlighted, scrolled to its end
    app.ProcessMessages();
    const double selected = MedianPaintMs(paints, print);
    const double selectedWindow = MedianPaintMs(paints, repaint);
    std::printf("game-folder field %d x %d, 259-character path, %d paints: median %.4f ms into a DIB, "
                "%.4f ms through the window; all selected: %.4f ms, %.4f ms\n",
                field.Width(), field.Height(), paints, plain, plainWindow, selected, selectedWindow);
    return 0;
}
