// A window-free stand-in for the control around the edit engine: fixed character
// widths, a client rectangle of the main window's folder field, an in-memory
// clipboard, and a log of what the engine asked for, in order.
// Used by the engine's tests, its benchmark and its fuzz target.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "widgets/edit/SCEditEngine.h"

// Every character 6 pixels wide except 'W' (10), 'i' (2) and the code page 1251
// letters from 0xC0 (7); 13 high except 'q' (15). Line height 15, average width 6.
constexpr std::array<TSCCharExtent, 256> FakeCharExtents()
{
    std::array<TSCCharExtent, 256> table{};
    for (int code = 0; code < 256; ++code)
        table[static_cast<std::size_t>(code)] = {code == 'W' ? 10 : code == 'i' ? 2 : code >= 0xC0 ? 7 : 6,
                                                 code == 'q' ? 15 : 13};
    return table;
}

struct FakeEditHost : TSCEditHost, TSCCharMeasurer {
    // Worked out once, when compiling: the fuzz target measures again after every font change.
    void MeasureChars(TSCCharExtentTable& extents) override
    {
        static constexpr TSCCharExtentTable kExtents = FakeCharExtents();
        measured += static_cast<int>(kExtents.size());
        extents = kExtents;
    }

    bool HasWindow() const override { return window; }
    TSCEditRect ClientArea() const override { return client; }
    bool Loading() const override { return loading; }
    void RequestRepaint() override { Log("repaint;"); }
    void UpdateCaret() override { Log("caret;"); }
    void SetClipboardText(const std::string& text) override { clipboard = text; }
    std::string ClipboardText() override { return clipboard; }
    bool ClipboardHasText() override { return !clipboard.empty(); }

    bool window = true;
    bool loading = false;
    // 369 x 21 with margins 3, 3, 3 + a 17-pixel button, 1: text area 3..349 x 3..20.
    TSCEditRect client{0, 0, 369, 21};
    std::string clipboard;
    std::string log;
    bool logging = true;  // off where millions of requests would only grow the log
    int measured = 0;

    void Log(const char* what)
    {
        if (logging)
            log += what;
    }
};

// A 259-character game path (the longest the platform's classic path limit allows),
// every character 6 pixels wide: 1554 pixels of text.
inline std::string LongGamePath()
{
    std::string path = "C:\\Games\\";
    while (path.size() < 259)
        path += "Baldur's Gate II\\";
    path.resize(259);
    return path;
}

// The engine wired to a fake host, its notifications logged beside the host's requests.
struct FakeEdit : FakeEditHost {
    FakeEdit()
    {
        edit.SetMargins({3, 3, 20, 1});
        edit.OnCaretMove = [this] { Log("move;"); };
        edit.OnChange = [this] { Log("change;"); };
        log.clear();
    }
    TSCEditEngine edit{*this, *this};
};
