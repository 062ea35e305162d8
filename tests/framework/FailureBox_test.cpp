#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "BoxWatcher.h"
#include "framework/Application.h"
#include "framework/Cp1251.h"
#include "framework/Cp1251Literal.h"
#include "framework/Exceptions.h"

namespace {

using namespace fw::literals;
using testing_support::BoxWatcher;

HWND MakeTopLevelWindow()
{
    HWND w = CreateWindowExW(0, L"STATIC", L"top", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    ShowWindow(w, SW_SHOWNOACTIVATE);
    return w;
}

TEST(FailureBox, ShowsTextTitleStopIconAndDisablesEveryWindow)
{
    fw::Application& app = fw::Application::Instance();
    app.SetTitle(std::string("Редактор таблицы опыта для BG2 / BGT"_cp1251));
    HWND first = MakeTopLevelWindow();
    HWND second = MakeTopLevelWindow();
    {
        BoxWatcher watcher({first, second});
        app.ShowException(fw::EInOutError(5));
        const auto& seen = watcher.Seen();
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(seen.text, L"File access denied.");
        EXPECT_EQ(seen.caption, fw::Widen(std::string("Редактор таблицы опыта для BG2 / BGT"_cp1251)));
        EXPECT_EQ(seen.icon, LoadIconW(nullptr, IDI_HAND));
        ASSERT_EQ(seen.enabled.size(), 2u);
        EXPECT_FALSE(seen.enabled[0]);
        EXPECT_FALSE(seen.enabled[1]);
    }
    // Everything is usable again once the box is gone.
    EXPECT_TRUE(IsWindowEnabled(first));
    EXPECT_TRUE(IsWindowEnabled(second));
    DestroyWindow(first);
    DestroyWindow(second);
}

TEST(FailureBox, DisablesEveryWindowHoweverManyThereAre)
{
    std::vector<HWND> windows;
    for (int i = 0; i < 70; ++i)
        windows.push_back(MakeTopLevelWindow());
    {
        BoxWatcher watcher(windows);
        fw::Application::Instance().ShowException(fw::EInOutError(5));
        ASSERT_TRUE(watcher.Seen().found);
        int stillEnabled = 0;
        for (bool enabled : watcher.Seen().enabled)
            stillEnabled += enabled;
        EXPECT_EQ(stillEnabled, 0);
    }
    for (HWND w : windows) {
        EXPECT_TRUE(IsWindowEnabled(w));
        DestroyWindow(w);
    }
}

TEST(FailureBox, HandlesWhateverIsThrown)
{
    struct Case {
        const char* name;
        void (*raise)();
        std::wstring text;
    } cases[] = {
        {"EInOutError 32", [] { throw fw::EInOutError(32); }, L"I/O error 32."},
        {"list error", [] { throw fw::EListError::IndexOutOfBounds(18); }, L"List index out of bounds (18)"},  // ')' sorts before '.'
        {"standard exception", [] { throw std::runtime_error("broken"); }, L"broken."},
        {"Cyrillic text", [] { throw fw::Exception(std::string("Ошибка"_cp1251)); }, L"\x41e\x448\x438\x431\x43a\x430."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BoxWatcher watcher;
        try {
            c.raise();
        } catch (...) {
            fw::Application::Instance().HandleCurrentException();
        }
        ASSERT_TRUE(watcher.Seen().found);
        EXPECT_EQ(watcher.Seen().text, c.text);
    }
}

}  // namespace
