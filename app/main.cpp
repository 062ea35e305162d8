// The program's entry point.
#include <windows.h>

#include "framework/Application.h"
#include "framework/Cp1251.h"
#include "framework/Cp1251Literal.h"

using namespace fw::literals;

namespace {

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    fw::Application& app = fw::Application::Instance();
    app.Initialize();
    app.SetTitle(std::string("Редактор таблицы опыта для BG2 / BGT"_cp1251));

    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"XpTableMainWindow";
    RegisterClassExW(&wc);
    HWND main = CreateWindowExW(0, wc.lpszClassName, fw::Widen(app.Title()).c_str(),
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                                CW_USEDEFAULT, 400, 460, nullptr, nullptr, instance, nullptr);
    app.SetMainWindow(main);
    ShowWindow(main, SW_SHOW);
    app.Run();
    return 0;
}
