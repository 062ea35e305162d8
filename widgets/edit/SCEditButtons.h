// The buttons a framed edit carries inside its edge. Each belongs to one edit, enters the
// edit's list when made and leaves it when freed, and asks the edit to lay out and
// repaint whenever a setting changes (once per BeginUpdate/EndUpdate pair).
#pragma once

#include <functional>

#include "framework/Color.h"
#include "widgets/edit/SCEditTypes.h"

class TSCCustomButtonFrame;

class TSCEditButton {
public:
    explicit TSCEditButton(TSCCustomButtonFrame& owner);
    virtual ~TSCEditButton();
    TSCEditButton(const TSCEditButton&) = delete;
    TSCEditButton& operator=(const TSCEditButton&) = delete;

    // The edge of the edit the button sits on: taLeftJustify or taRightJustify.
    TSCAlignment Align() const { return align_; }
    void SetAlign(TSCAlignment value) { Set(align_, value == taLeftJustify ? taLeftJustify : taRightJustify); }
    // Glyph and face colours of the looks that use them (not scesWinXP).
    fw::Color ArrowColor() const { return arrowColor_; }
    void SetArrowColor(fw::Color value) { Set(arrowColor_, value); }
    fw::Color Color() const { return color_; }
    void SetColor(fw::Color value) { Set(color_, value); }
    int Image() const { return image_; }
    void SetImage(int value) { Set(image_, value); }
    TSCEditButtonStyle Style() const { return style_; }
    void SetStyle(TSCEditButtonStyle value) { Set(style_, value); }
    // Hidden buttons take no room and get no presses.
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { Set(visible_, value); }
    // Pixels; below 0 the platform's vertical scroll-bar width, 0 takes no room.
    int Width() const { return width_; }
    void SetWidth(int value) { Set(width_, value); }

    // The pointer is over the button.
    bool Hot() const { return hot_; }
    // The left button went down on it and is not yet released (drawn pressed while hot).
    bool Down() const { return down_; }
    // The arrow's direction for scebDropDown.
    bool Dropped() const { return dropped_; }
    void SetDropped(bool value) { Set(dropped_, value); }

    // Copies every setting of another button, with one layout for all.
    void Assign(const TSCEditButton& source);
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();

protected:
    TSCEditButton(TSCCustomButtonFrame& owner, TSCEditButtonStyle style, bool visible);

private:
    friend class TSCCustomButtonFrame;

    template <typename T>
    void Set(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        Changed();
    }
    void Changed();

    TSCCustomButtonFrame& owner_;
    TSCAlignment align_ = taRightJustify;
    fw::Color arrowColor_ = fw::clBtnText;
    fw::Color color_ = fw::clBtnFace;
    int image_ = -1;
    TSCEditButtonStyle style_ = scebImage;
    bool visible_ = true;
    int width_ = -1;
    bool hot_ = false;
    bool down_ = false;
    bool dropped_ = false;
    int updateCount_ = 0;
    bool changedInUpdate_ = false;
};

// The edit's main button: three dots unless told otherwise.
class TSCStyledEditButton : public TSCEditButton {
public:
    explicit TSCStyledEditButton(TSCCustomButtonFrame& owner) : TSCEditButton(owner, scebBrowse, true) {}
};

// The second button, hidden unless shown, with its own click event.
class TSCBrowseButton : public TSCEditButton {
public:
    explicit TSCBrowseButton(TSCCustomButtonFrame& owner) : TSCEditButton(owner, scebBrowse, false) {}
    std::function<void()> OnClick;
};
