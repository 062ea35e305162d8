// A control with a window of its own. One window per object: the object's address
// travels in lpCreateParams, is taken on WM_NCCREATE, kept in the window's extra
// bytes and cleared on WM_NCDESTROY. Every message is handled inside a guard, so a
// failure in a handler goes to the application's failure box and the program goes on.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/Control.h"
#include "framework/Gdi.h"
#include "framework/HintTip.h"

namespace fw {

struct MouseEvent;

class WinControl : public Control {
public:
    explicit WinControl(Component* owner = nullptr);
    ~WinControl() override;
    std::string ClassName() const override { return "TWinControl"; }

    // The window, created on first use (with the parent's window first).
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded() { Handle(); }
    // The object of one of our windows, or nullptr.
    static WinControl* FromHandle(HWND window);

    bool IsWindowed() const override { return true; }
    // The window moves with the control: under the new parent's window, or it goes (and
    // comes back on demand) when there is no parent window to put it under.
    void SetParent(WinControl* parent) override;

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    Control* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }

    // Position among the parent's windowed children in the Tab order.
    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop);

    bool Focused() const;
    virtual bool CanFocus() const;
    void SetFocus();

    void SetBounds(int left, int top, int width, int height) override;
    void Invalidate() override;
    POINT ClientToScreen(POINT p) const override;
    POINT ScreenToClient(POINT p) const override;
    // Paints what is invalid now.
    void Update();
    LRESULT Perform(UINT message, WPARAM wParam, LPARAM lParam);

    // The platform caret, owned by this window while it has the focus.
    void CreateCaret(int width, int height);
    void DestroyCaret();
    void SetCaretPos(int x, int y);
    void ShowCaret();
    void HideCaret();

    // While captured, every mouse message goes to this control, wherever the pointer is.
    // Presses capture on their own (for the window and for windowless children) until
    // the last button is let go; this is for drags that start some other way.
    void SetMouseCapture(bool capture);
    bool MouseCapture() const;

    std::function<void(WORD& key, ShiftState shift)> OnKeyDown;
    std::function<void(WORD& key, ShiftState shift)> OnKeyUp;
    // Raised before a character is handled; setting it to '\0' discards it.
    std::function<void(char& key)> OnKeyPress;
    std::function<void()> OnEnter;
    std::function<void()> OnExit;

    // The shift state of the keyboard now.
    static ShiftState KeyboardShift();

    // The hint to show at `at` (client coordinates), asked of the windowless child there
    // or of this control (HintShow); empty when that control shows no hints.
    std::string HintAt(POINT at);

protected:
    struct CreateParams {
        std::wstring className;  // our window class
        std::wstring baseClass;  // platform class we build on, or empty
        DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
        DWORD exStyle = 0;
        UINT classStyle = CS_DBLCLKS;
        int x = 0, y = 0, width = 0, height = 0;
        HWND parent = nullptr;
        std::wstring caption;
        HICON classIcon = nullptr, classSmallIcon = nullptr;  // kept for the program's life
    };
    virtual void FillCreateParams(CreateParams& params);
    virtual void CreateHandle();
    void DestroyHandle();
    // The window exists now: give it the state kept so far (items, selection, font).
    virtual void HandleCreated();

    // The message switch: one line per message, each calling a named handler. Override,
    // handle what you need, and call the base for the rest.
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The platform's handling (the base class's procedure or DefWindowProc).
    LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);

    // Controls drawn by us go through Paint with a back buffer; wrappers of platform
    // controls return false and let the platform paint.
    virtual bool SelfPainted() const { return true; }
    // Paints this control and its graphic children into `dc` (origin at our client corner).
    void PaintTo(HDC dc);
    // Fills `dc` with what the parent shows under us (for see-through controls).
    void PaintParentBackground(HDC dc);

    virtual void KeyDown(WORD& key, ShiftState shift);
    virtual void KeyUp(WORD& key, ShiftState shift);
    virtual void KeyPress(char& key);
    virtual void DoEnter();
    virtual void DoExit();
    // The WM_GETDLGCODE answer; `message` is the key message being asked about or nullptr.
    virtual LRESULT DlgCode(LRESULT platformCode, const MSG* message) { (void)message; return platformCode; }
    // Notifications the parent received from this control (reflected).
    virtual bool CommandNotify(WORD code, LRESULT& result) { (void)code; (void)result; return false; }
    virtual bool Notify(NMHDR* header, LRESULT& result) { (void)header; (void)result; return false; }
    // The brush for WM_CTLCOLOR*; nullptr leaves the platform's choice.
    virtual HBRUSH CtlColor(HDC dc, UINT message) { (void)dc; (void)message; return nullptr; }
    virtual void Resize() {}
    virtual void VScroll(int code, int position) { (void)code; (void)position; }
    // A windowed child took the focus (forms remember it).
    virtual void ChildFocused(WinControl* child);

    // Offers the character to the visible children, in creation order, until one takes it.
    bool DialogChar(char key) override;

    void EnabledChanged() override;
    void VisibleChanged() override;
    void TextChanged() override;
    void FontChanged() override;
    void Loaded() override;

    // The graphic child under (x, y), or nullptr.
    Control* GraphicControlAt(int x, int y) const;
    // The window's current text (for wrappers whose text the platform edits).
    std::string WindowText() const;

private:
    friend class Control;
    static LRESULT CALLBACK StaticWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void WindowGone();

    // Message handlers (WinControlMessages.cpp).
    LRESULT PaintMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void ExcludeChildWindows(HDC dc);
    LRESULT PrintClientMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT KeyMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CharMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT SysCharMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Offers a dialog character to the controls of our top-level window.
    bool OfferDialogChar(char key);
    LRESULT SetFocusMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT KillFocusMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT ContextMenuMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool RouteContextMenu(POINT screen);
    LRESULT ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam);
    bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    LRESULT ScrollMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT SyncBounds(UINT message, WPARAM wParam, LPARAM lParam);

    // Mouse routing (WinControlMouse.cpp).
    LRESULT MouseMessage(UINT message, WPARAM wParam, LPARAM lParam);
    Control* MouseTarget(POINT at);
    void DeliverMouse(Control& target, const MouseEvent& event);
    void BeginMouseCapture(Control& target);
    void EndMouseCapture(Control& target);
    LRESULT CaptureChangedMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void TrackHover(POINT at);
    LRESULT MouseLeaveMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void SetHoverChild(Control* child);
    static void SetMouseInside(Control& control, bool inside);
    LRESULT SetCursorMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool ChooseCursor();

    // Hints (WinControlHints.cpp).
    void TrackHint(Control* target);
    LRESULT NotifyMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void AddChild(Control* child);
    void RemoveChild(Control* child);
    void UnlistChildren();
    void CreateChildHandles();
    void ArrangeTabOrder();
    void ApplyPlatformFont();

    HWND handle_ = nullptr;
    WNDPROC baseProc_ = nullptr;
    bool ownClass_ = true;
    bool destroyingHandle_ = false;
    bool tabStop_ = false;
    std::vector<Control*> controls_;
    std::vector<WinControl*> tabList_;
    Control* captureControl_ = nullptr;  // gets every mouse message while set (may be this)
    Control* hoverControl_ = nullptr;    // the windowless child under the pointer
    bool trackingLeave_ = false;
    bool caretCreated_ = false;
    std::unique_ptr<DibSection> buffer_;
    std::unique_ptr<HintTip> hintTip_;  // made when a hint is first to show
    Control* hintControl_ = nullptr;    // the control the tip's tool covers
};

}  // namespace fw
