// A window holding one button edit set up as the program's game-folder field, and a
// second control to take the focus away, for the edit's window tests; with helpers for
// held keys and the platform caret.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Form.h"
#include "framework/Gdi.h"
#include "widgets/edit/SCAdvEdits.h"

namespace edittest {

class FieldForm : public fw::Form {
public:
    FieldForm()
    {
        fw::LoadingScope loading(*this);
        SetClientWidth(392);
        SetClientHeight(100);
        field = new TSCButtonEdit(this);
        field->SetName("Field");
        field->SetParent(this);
        field->SetBounds(12, 32, 369, 21);
        field->SetReadOnly(true);
        field->SetColor(14811134);
        field->SetStyle(scesWinXP);
        field->SetRaiseMaskError(false);
        field->SetTabStop(false);
        other = new TSCButtonEdit(this);
        other->SetParent(this);
        other->SetBounds(12, 64, 369, 21);
    }
    TSCButtonEdit* field;
    TSCButtonEdit* other;
};

// The characters of `text` (read in `codePage`) each measured alone in `font`: their
// widths summed, the greatest height.
inline SIZE CharsExtent(const fw::Font& font, const std::string& text, UINT codePage = 1251)
{
    fw::MemoryDC dc;
    fw::SelectGuard select(dc.Get(), font.Handle());
    SIZE total = {};
    for (char c : text) {
        wchar_t wide = 0;
        MultiByteToWideChar(codePage, 0, &c, 1, &wide, 1);
        SIZE size = {};
        GetTextExtentPoint32W(dc.Get(), &wide, 1, &size);
        total.cx += size.cx;
        total.cy = size.cy > total.cy ? size.cy : total.cy;
    }
    return total;
}

// A field's height by its sizing rule: one line ((height of "R" + height of "q") div 2
// + 1), the frame's 3 pixels above and 1 below, and 3.
inline int FieldHeightByRule(const fw::Font& font)
{
    return (CharsExtent(font, "R").cy + CharsExtent(font, "q").cy) / 2 + 1 + 3 + 1 + 3;
}

// Keys held down as the thread's keyboard state shows them, let go when it goes.
class HeldKeys {
public:
    explicit HeldKeys(std::initializer_list<BYTE> keys)
    {
        GetKeyboardState(saved_);
        BYTE state[256];
        GetKeyboardState(state);
        for (BYTE key : keys)
            state[key] |= 0x80;
        SetKeyboardState(state);
    }
    ~HeldKeys() { SetKeyboardState(saved_); }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    BYTE saved_[256];
};

// The thread's caret: its window (nullptr when none) and rectangle.
inline GUITHREADINFO Caret()
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetCurrentThreadId(), &info);
    return info;
}

// The clipboard's Unicode text as the platform holds it.
inline std::wstring ClipboardUnicode()
{
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* p = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = p;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace edittest
