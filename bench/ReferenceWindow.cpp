// The platform's share of the main window's start-up: plain Win32, no framework. The same
// platform controls in the same places (three drop-down lists with their seven items, an edit
// field, two buttons, a window of the grid's size painting its cells' text), the same labels,
// font, icon and manifest. What the program takes beyond this is the framework's cost.
#include <windows.h>

#include <commctrl.h>

#include <cwchar>

#include "framework/StartupMarks.h"

namespace {

const COLORREF kFieldColor = RGB(254, 255, 225);  // pale yellow
const COLORREF kGridColor = RGB(225, 247, 255);   // pale blue
const COLORREF kGray = RGB(128, 128, 128);
const int kColumnWidths[] = {35, 89, 106, 114};
const int kRowHeight = 20;
const int kLevels = 40;

const wchar_t* const kCommonItems[] = {
    L"Таблица опыта, используемая для Baldur's Gate Trilogy",
    L"Таблица опыта, используемая в оригинальном Baldur's Gate 2",
    L"10% от значений таблицы опыта оригинального Baldur's Gate 2",
    L"50% от значений таблицы опыта оригинального Baldur's Gate 2",
    L"Таблица с прогрессирующей шкалой опыта",
};
const wchar_t* const kActivityItems[] = {
    L"Опыт за обезвреживание ловушек не выдается",
    L"Опыт за взлом сундуков/дверей не выдается",
    L"Опыт за изучение заклинаний со свитков не выдается",
};
const wchar_t* const kTitles[] = {L"", L"Ловушки", L"Взлом замков", L"Изучение свитков"};
const wchar_t kCustomItem[] = L"Пользовательская таблица опыта (режим редактирования)";

struct Caption {
    int top;
    const wchar_t* text;
    bool grey;
};
const Caption kLabels[] = {
    {12, L"Расположение каталога с игрой:", false},
    {64, L"Опыт за обезвреживание ловушек:", true},
    {112, L"Опыт за взлом сундуков/дверей:", true},
    {160, L"Опыт за изучение заклинаний со свитков:", true},
};

HFONT g_font;
HBRUSH g_fieldBrush;

// The cell text the first screen shows: titles in row 0, levels in column 0, values below.
void CellText(int column, int row, wchar_t* text, size_t size)
{
    if (row == 0)
        std::swprintf(text, size, L"%ls", kTitles[column]);
    else if (column == 0)
        std::swprintf(text, size, L"  %d", row);
    else if (column == 3 && row > 9)
        text[0] = 0;
    else
        std::swprintf(text, size, L"%d", row * 100 * column);
}

void PaintGrid(HWND window, HDC dc)
{
    RECT client;
    GetClientRect(window, &client);
    SelectObject(dc, g_font);
    SetTextColor(dc, kGray);
    SetBkMode(dc, TRANSPARENT);
    HBRUSH fixedBrush = GetSysColorBrush(COLOR_BTNFACE);
    HBRUSH cellBrush = CreateSolidBrush(kGridColor);
    const int firstLevel = GetScrollPos(window, SB_VERT) + 1;
    int y = 0;
    for (int line = 0; y < client.bottom; ++line) {
        const int row = line == 0 ? 0 : firstLevel + line - 1;
        if (row > kLevels)
            break;
        int x = 0;
        for (int column = 0; column < 4; ++column) {
            RECT cell = {x, y, x + kColumnWidths[column], y + kRowHeight};
            FillRect(dc, &cell, (row == 0 || column == 0) ? fixedBrush : cellBrush);
            wchar_t text[80];
            CellText(column, row, text, 80);
            ExtTextOutW(dc, cell.left + 2, cell.top + 2, ETO_CLIPPED, &cell, text, static_cast<UINT>(wcslen(text)),
                        nullptr);
            x = cell.right + 1;
        }
        y += kRowHeight + 1;
    }
    DeleteObject(cellBrush);
}

LRESULT CALLBACK GridProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        PaintGrid(window, dc);
        EndPaint(window, &ps);
        return 0;
    }
    if (message == WM_ERASEBKGND)
        return 1;
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND Child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, DWORD exStyle, int x, int y, int w,
           int h)
{
    HWND child = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(g_font), FALSE);
    return child;
}

void CreateControls(HWND window)
{
    Child(window, L"EDIT", L"", ES_READONLY | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 12, 32, 369, 21);
    for (int i = 0; i < 3; ++i) {
        const int dropped = 8 * 13 + 2;
        HWND list = Child(window, L"COMBOBOX", L"", CBS_DROPDOWNLIST | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP |
                          WS_DISABLED, 0, 12, 84 + 48 * i, 369, 21 + dropped);
        for (const wchar_t* item : kCommonItems)
            SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kActivityItems[i]));
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kCustomItem));
        SendMessageW(list, CB_SETITEMHEIGHT, 0, 13);
        SendMessageW(list, CB_SETCURSEL, 1, 0);
    }
    HWND grid = Child(window, L"ReferenceGrid", L"", WS_VSCROLL | WS_DISABLED, WS_EX_CLIENTEDGE, 12, 216, 369, 172);
    SCROLLINFO scroll = {sizeof(scroll), SIF_RANGE | SIF_PAGE | SIF_POS, 0, kLevels - 1, 7, 0, 0};
    SetScrollInfo(grid, SB_VERT, &scroll, FALSE);
    Child(window, L"BUTTON", L"", BS_PUSHBUTTON, 0, 12, 394, 33, 25);
    Child(window, L"BUTTON", L"Записать", BS_PUSHBUTTON | WS_DISABLED, 0, 288, 394, 93, 25);
}

void PaintLabels(HDC dc)
{
    SelectObject(dc, g_font);
    SetBkMode(dc, TRANSPARENT);
    for (const Caption& label : kLabels) {
        RECT r = {12, label.top, 12 + 265, label.top + 17};
        SetTextColor(dc, label.grey ? kGray : GetSysColor(COLOR_WINDOWTEXT));
        DrawTextW(dc, label.text, -1, &r, DT_LEFT | DT_TOP | DT_NOPREFIX);
    }
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        CreateControls(window);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        PaintLabels(dc);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_CTLCOLORSTATIC:  // the read-only field, the disabled lists
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        SetBkColor(reinterpret_cast<HDC>(wParam), kFieldColor);
        return reinterpret_cast<LRESULT>(g_fieldBrush);
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    fw::startup::Mark("entry");
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    fw::startup::Mark("common controls");
    g_font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"MS Sans Serif");
    g_fieldBrush = CreateSolidBrush(kFieldColor);

    WNDCLASSW grid = {};
    grid.lpfnWndProc = GridProc;
    grid.hInstance = instance;
    grid.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    grid.lpszClassName = L"ReferenceGrid";
    RegisterClassW(&grid);

    WNDCLASSW main = {};
    main.lpfnWndProc = MainProc;
    main.hInstance = instance;
    main.hIcon = LoadIconW(instance, L"MAINICON");
    main.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    main.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    main.lpszClassName = L"ReferenceWindow";
    RegisterClassW(&main);
    fw::startup::Mark("initialized");

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT frame = {0, 0, 392, 426};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const int w = frame.right - frame.left, h = frame.bottom - frame.top;
    HWND window = CreateWindowExW(0, L"ReferenceWindow", L"Редактор таблицы опыта для BG2 / BGT", style,
                                  (GetSystemMetrics(SM_CXSCREEN) - w) / 2, (GetSystemMetrics(SM_CYSCREEN) - h) / 2, w,
                                  h, nullptr, nullptr, instance, nullptr);
    fw::startup::Mark("main window");
    ShowWindow(window, SW_SHOW);
    fw::startup::Mark("shown");
    UpdateWindow(window);

    MSG msg;
    bool idleMarked = !fw::startup::Recording();
    while (true) {
        if (!idleMarked && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            fw::startup::Mark("idle");
            idleMarked = true;
        }
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0)
            break;
        if (IsDialogMessageW(window, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    fw::startup::WriteMarks();
    DeleteObject(g_fieldBrush);
    DeleteObject(g_font);
    return 0;
}
