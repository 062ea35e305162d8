// A top-level window. A form's layout code sets its properties and creates its controls
// inside a LoadingScope; when loading ends OnCreate runs once, with the window made for it.
// A form without OnCreate makes its window when first needed (shown, or its Handle asked).
#pragma once

#include <windows.h>

#include <functional>

#include "framework/WinControl.h"

namespace fw {

enum FormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow };
enum BorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
enum FormPosition { poDesigned, poScreenCenter };
enum CloseAction { caNone, caHide, caFree, caMinimize };
enum ModalResult : int {
    mrNone = 0,
    mrOk = IDOK,
    mrCancel = IDCANCEL,
    mrAbort = IDABORT,
    mrRetry = IDRETRY,
    mrIgnore = IDIGNORE,
    mrYes = IDYES,
    mrNo = IDNO,
};

class Form : public WinControl {
public:
    explicit Form(Component* owner = nullptr);
    ~Form() override;
    std::string ClassName() const override { return "TForm"; }

    // The client area's size (the outer size follows from the border).
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    RECT ClientRect() const override;

    FormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(FormBorderStyle style);
    unsigned BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(unsigned icons);
    FormPosition Position() const { return position_; }
    void SetPosition(FormPosition position) { position_ = position; }

    // The window's icon; the form destroys icons it owns.
    void SetIcon(HICON big, HICON small, bool owned);
    // The icon resource `name` of the program in the platform's two sizes. Given before the
    // window is made, the window's class carries it.
    void LoadIcon(const wchar_t* name);

    void Show();
    void Hide();
    // Closes the form: a modal form ends its loop with mrCancel; the main form ends
    // the program's loop; any other form is hidden.
    void Close();
    // Shows the form with every other window of the program disabled and returns the
    // modal result once the form is closed, hidden or given a result.
    int ShowModal();
    bool Modal() const { return modal_; }
    int GetModalResult() const { return modalResult_; }
    void SetModalResult(int result);

    // The control that has (or last had) the focus in this form.
    WinControl* ActiveControl() const;

    // Runs OnCreate once, making the window for it first; loading ends with it, and the
    // application's CreateForm calls it for forms built without a LoadingScope.
    void AfterConstruction();

    std::function<void()> OnCreate;
    std::function<void()> OnShow;
    std::function<void()> OnHide;
    std::function<void(bool& canClose)> OnCloseQuery;
    std::function<void(CloseAction& action)> OnClose;

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(Canvas& canvas) override;
    void Loaded() override;
    void ChildFocused(WinControl* child) override;
    void VisibleChanged() override;

private:
    void StyleFor(DWORD& style, DWORD& exStyle) const;
    SIZE OuterSize() const;
    SIZE FrameSize() const;
    void ApplyClientSize();
    void SendIcons();
    bool ClassHasIcons();
    void CentreOnScreen();
    void RestoreFocus();

    FormBorderStyle borderStyle_ = bsSizeable;
    unsigned borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    FormPosition position_ = poDesigned;
    int clientWidth_ = -1;
    int clientHeight_ = -1;
    HICON iconBig_ = nullptr;
    HICON iconSmall_ = nullptr;
    bool iconsOwned_ = false;
    bool programIcons_ = false;  // from ProgramIcon: may stay with the window class
    bool created_ = false;
    bool modal_ = false;
    int modalResult_ = mrNone;
    HWND activeControl_ = nullptr;
};

}  // namespace fw
