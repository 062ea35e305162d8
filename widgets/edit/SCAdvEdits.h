// The framed edit and the edit with buttons inside its edge; TSCButtonEdit is the
// program's game-folder field: a read-only path with a browse button at its right end.
//   TSCCustomFrameEdit   the frame style, its margins and the frame colours
//   TSCCustomButtonFrame the buttons: layout, hit test, hot and pressed state, painting
//   TSCCustomButtonEdit  the main and the browse button, ButtonClickKey, OnButtonClick
//   TSCButtonEdit        the main button three dots wide
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "widgets/edit/SCEditButtons.h"
#include "widgets/edit/SCEditLayout.h"
#include "widgets/edit/SCMaskEdit.h"

class TSCCustomFrameEdit : public TSCCustomMaskEdit {
public:
    explicit TSCCustomFrameEdit(fw::Component* owner = nullptr);
    std::string ClassName() const override { return "TSCCustomFrameEdit"; }

    TSCEditStyle Style() const { return style_; }
    // A different style lays out the margins and buttons again and repaints.
    void SetStyle(TSCEditStyle value);
    TSCFrameEditColors& Colors() { return static_cast<TSCFrameEditColors&>(TSCCustomEdit::Colors()); }
    const TSCFrameEditColors& Colors() const
    {
        return static_cast<const TSCFrameEditColors&>(TSCCustomEdit::Colors());
    }

protected:
    // The frame on every side, the buttons on theirs.
    TSCEditMargins InnerMargins() const override;
    // The buttons as the layout sees them, in list order.
    virtual std::vector<TSCButtonSlot> ButtonSlots() const { return {}; }
    // The scesWinXP look's colours from WinXPColor, as the screen shows them.
    TSCWinXPColors WinXPColors() const;
    static void PaintFills(fw::Canvas& canvas, const TSCFills& fills);
    virtual void PaintFrame(fw::Canvas& canvas);
    // Background, text, then the frame.
    void Paint(fw::Canvas& canvas) override;

private:
    TSCEditStyle style_ = scesDefault;
};

class TSCCustomButtonFrame : public TSCCustomFrameEdit {
public:
    explicit TSCCustomButtonFrame(fw::Component* owner = nullptr) : TSCCustomFrameEdit(owner) {}
    std::string ClassName() const override { return "TSCCustomButtonFrame"; }

    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    TSCEditButton& Buttons(int index) const { return *buttons_.at(static_cast<std::size_t>(index)); }
    // Where the button is drawn, in client pixels; empty while it takes no room.
    TSCEditRect ButtonRect(const TSCEditButton& button) const;
    // The first visible button in list order whose rectangle (within the client area)
    // holds the point, or nullptr.
    TSCEditButton* ButtonAt(int x, int y) const;

    // Draws the buttons of style scebCustom.
    std::function<void(TSCEditButton& button, fw::Canvas& canvas, const RECT& rect, bool down, bool hot)>
        OnPaintButton;

protected:
    std::vector<TSCButtonSlot> ButtonSlots() const override;
    virtual void PaintButton(fw::Canvas& canvas, TSCEditButton& button, const TSCEditRect& rect, bool down, bool hot);
    virtual void PaintCustomButton(fw::Canvas& canvas, TSCEditButton& button, const TSCEditRect& rect, bool down,
                                   bool hot);
    // Background, text, frame, then each button clipped to its rectangle.
    void Paint(fw::Canvas& canvas) override;

    // A left press went down on `button` (now down and hot, and painted so).
    virtual void ButtonPressed(TSCEditButton& button) { (void)button; }
    // Lets go of a press: the mouse capture released, no button down or hot, repainted.
    void ReleaseButtons();

    bool AutoSelectsOnPress(fw::MouseButton button, int x, int y) const override;
    void MouseDown(fw::MouseButton button, fw::ShiftState shift, int x, int y) override;
    void MouseMove(fw::ShiftState shift, int x, int y) override;
    void MouseUp(fw::MouseButton button, fw::ShiftState shift, int x, int y) override;
    void MouseLeave() override;
    void CaptureLost() override;

private:
    friend class TSCEditButton;
    void AddButton(TSCEditButton& button) { buttons_.push_back(&button); }
    void RemoveButton(TSCEditButton& button);
    // A setting of a button changed.
    void ButtonChanged();
    TSCButtonSlot SlotOf(const TSCEditButton& button) const;
    // Sets the flags of every button from the two given (either may be nullptr), and
    // repaints when that changes what shows.
    void SetButtonState(TSCEditButton* down, TSCEditButton* hot);
    TSCEditButton* DownButton() const;
    TSCEditButton* HotButton() const;

    std::vector<TSCEditButton*> buttons_;
};

// A key with its modifiers: the virtual key in the low byte, scShift, scCtrl, scAlt above.
using TSCShortCut = unsigned;
enum : TSCShortCut { scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000 };
TSCShortCut SCShortCut(WORD key, fw::ShiftState shift);

class TSCCustomButtonEdit : public TSCCustomButtonFrame {
public:
    explicit TSCCustomButtonEdit(fw::Component* owner = nullptr);
    ~TSCCustomButtonEdit() override;
    std::string ClassName() const override { return "TSCCustomButtonEdit"; }

    TSCEditButton& Button() const { return *button_; }
    void SetButton(const TSCEditButton& value) { button_->Assign(value); }
    // 0: the button has no key.
    TSCShortCut ButtonClickKey() const { return buttonClickKey_; }
    void SetButtonClickKey(TSCShortCut value) { buttonClickKey_ = value; }

    // Raised on the press of Button (not on its release) and by ButtonClickKey.
    std::function<void()> OnButtonClick;

protected:
    using ButtonMaker = std::unique_ptr<TSCEditButton> (*)(TSCCustomButtonFrame& owner);
    TSCCustomButtonEdit(fw::Component* owner, ButtonMaker makeButton);

    TSCBrowseButton& BrowseButton() const { return *browseButton_; }
    void SetBrowseButton(const TSCEditButton& value) { browseButton_->Assign(value); }

    void ButtonPressed(TSCEditButton& button) override;
    void KeyDown(WORD& key, fw::ShiftState shift) override;

private:
    // Raises the button's click event, if it has a handler, after letting go of the press.
    void RaiseClick(TSCEditButton& button);

    std::unique_ptr<TSCEditButton> button_;
    std::unique_ptr<TSCBrowseButton> browseButton_;
    TSCShortCut buttonClickKey_ = 0;
};

class TSCButtonEdit : public TSCCustomButtonEdit {
public:
    explicit TSCButtonEdit(fw::Component* owner = nullptr);
    std::string ClassName() const override { return "TSCButtonEdit"; }
};
