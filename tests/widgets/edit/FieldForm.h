// A window holding one button edit set up as the program's game-folder field, and a
// second control to take the focus away, for the edit's window tests; with helpers for
// held keys and the platform caret.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Form.h"
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
