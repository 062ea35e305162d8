// The visual control base: bounds, parent, enabled and visible state, caption, font,
// colour, cursor and the mouse events. A plain Control has no window of its own: its
// windowed parent paints it and routes the mouse to it (labels, speed buttons, images).
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "framework/Canvas.h"
#include "framework/Color.h"
#include "framework/Component.h"
#include "framework/Font.h"

namespace fw {

class WinControl;
class PopupMenu;

enum ShiftFlag : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64,
};
using ShiftState = unsigned;

enum class MouseButton { Left, Right, Middle };

class Control;

// What the framework asks a control when a hint is to show over it.
struct HintInfo {
    Control* control = nullptr;  // the control under the pointer
    POINT cursorPos = {};        // in that control's client coordinates
    // The text to show: the short part of the first hint found from the control up to
    // its form. A control may change it; empty shows no hint. A hint window shows the
    // text up to its first zero byte.
    std::string hintStr;
};

class Control : public Component {
public:
    explicit Control(Component* owner = nullptr);
    ~Control() override;
    std::string ClassName() const override { return "TControl"; }

    WinControl* Parent() const { return parent_; }
    virtual void SetParent(WinControl* parent);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
    virtual RECT ClientRect() const { return RECT{0, 0, width_, height_}; }
    virtual void SetBounds(int left, int top, int width, int height);
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    // The font; changing any of its values makes it the control's own (ParentFont false).
    Font& GetFont() { return font_; }
    const Font& GetFont() const { return font_; }
    void SetFont(const Font& font) { font_ = font; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);

    Color GetColor() const { return color_; }
    void SetColor(Color color);

    int Cursor() const { return cursor_; }
    void SetCursor(int cursor) { cursor_ = cursor; }

    // "short|long"; the short part is shown as the hint.
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    // Whether hints show over the control; while ParentShowHint is set, the parent's.
    bool ShowHint() const;
    void SetShowHint(bool showHint);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool parentShowHint) { parentShowHint_ = parentShowHint; }

    PopupMenu* GetPopupMenu() const { return popupMenu_; }
    // The menu may be freed first: the control then forgets it.
    void SetPopupMenu(PopupMenu* menu);

    virtual bool IsWindowed() const { return false; }
    // Whether the control lets its parent's background show through.
    virtual bool Transparent() const { return false; }

    // Asks for a repaint (after loading; harmless before a window exists).
    virtual void Invalidate();
    // Converts between this control's client coordinates and the screen's.
    virtual POINT ClientToScreen(POINT p) const;
    virtual POINT ScreenToClient(POINT p) const;

    // Paints the control into `canvas`, whose origin is the control's top-left corner.
    virtual void Paint(Canvas& canvas) { (void)canvas; }

    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    std::function<void(MouseButton, ShiftState, int x, int y)> OnMouseDown;
    std::function<void(MouseButton, ShiftState, int x, int y)> OnMouseUp;
    std::function<void(ShiftState, int x, int y)> OnMouseMove;
    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;
    // The context menu is asked for at `where` (client coordinates; -1, -1 from the keyboard).
    std::function<void(POINT where, bool& handled)> OnContextPopup;

protected:
    // Typed handlers, called by the window procedure of this control or of its parent.
    virtual void MouseDown(MouseButton button, ShiftState shift, int x, int y);
    virtual void MouseUp(MouseButton button, ShiftState shift, int x, int y);
    virtual void MouseMove(ShiftState shift, int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void Click();
    virtual void DblClick();
    // Shows the popup menu unless the event handled the request.
    virtual void ContextPopup(POINT where, bool& handled);
    // Shows `menu` at `where` (client coordinates; a keyboard request, -1, -1, at the corner).
    void ShowMenuAt(PopupMenu& menu, POINT where);
    // A dialog character of the form (Alt+letter, or a character the focused control
    // does not take) offered to the control; true when it acted on it. The form offers
    // it to its controls in creation order until one takes it.
    virtual bool DialogChar(char key)
    {
        (void)key;
        return false;
    }
    // A hint is about to show over the control (HintInfo); the framework filled `info`.
    virtual void HintShow(HintInfo& info) { (void)info; }

    virtual void BoundsChanged() {}
    virtual void EnabledChanged() { Invalidate(); }
    virtual void VisibleChanged();
    virtual void TextChanged() { Invalidate(); }
    virtual void FontChanged() { Invalidate(); }
    virtual void ColorChanged() { Invalidate(); }
    void Loaded() override { Invalidate(); }
    void Notification(Component* component) override;

    // Whether a left press and release inside the control raises Click.
    bool clickOnRelease_ = false;
    // The parent's font reaches us while this is set.
    void AdoptParentFont();

    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;

private:
    friend class WinControl;

    WinControl* parent_ = nullptr;
    bool enabled_ = true;
    bool visible_ = true;
    std::string caption_;
    Font font_;
    bool parentFont_ = true;
    bool adoptingFont_ = false;
    Color color_ = clBtnFace;
    int cursor_ = 0;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    PopupMenu* popupMenu_ = nullptr;
    bool leftPressed_ = false;
    bool mouseInside_ = false;
};

}  // namespace fw
