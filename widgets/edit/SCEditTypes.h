// The edit family's settings that need no window: frame styles, button kinds, borders
// and the colour sets. Each set ignores a write of the value it holds and tells its
// owner about a real change through one event.
#pragma once

#include <functional>

#include "framework/Color.h"

// Frame styles; only scesWinXP has its own look, the others draw a plain sunken edge.
enum TSCEditStyle {
    scesDefault,
    scesNone,
    scesOfficeXP,
    scesFlat,
    scesFlatEx,
    scesFlatNew,
    scesSingle,
    scesSingleEx,
    scesDouble,
    scesDoubleNew,
    scesRaised,
    sces3D,
    scesNew,
    scesWinXP,
};

// What a button shows: an arrow, three dots, a picture, or whatever its owner draws.
enum TSCEditButtonStyle { scebDropDown, scebBrowse, scebImage, scebCustom };

enum TSCAlignment { taLeftJustify, taRightJustify, taCenter };

// Border kinds; the first four take one pixel per side, the others two.
enum TSCControlBorder { sccbNone, sccbFlat, sccbRaised, sccbLowered, sccbBumped, sccbEtched };

// Base of the settings sets: one change event, raised only for a real change.
class TSCSettings {
public:
    TSCSettings() = default;
    TSCSettings(const TSCSettings&) = delete;
    TSCSettings& operator=(const TSCSettings&) = delete;

    std::function<void()> OnChange;

protected:
    template <typename T>
    void Set(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        if (OnChange)
            OnChange();
    }
};

// The border and inner border a control may draw around itself.
class TSCControlBorderProps : public TSCSettings {
public:
    TSCControlBorder Border() const { return border_; }
    void SetBorder(TSCControlBorder value) { Set(border_, value); }
    TSCControlBorder InnerBorder() const { return innerBorder_; }
    void SetInnerBorder(TSCControlBorder value) { Set(innerBorder_, value); }
    int Width() const { return width_; }
    void SetWidth(int value) { Set(width_, value); }

    static int BorderWidth(TSCControlBorder kind) { return kind == sccbNone ? 0 : kind <= sccbLowered ? 1 : 2; }
    // Pixels the two borders take from each side.
    int Extent() const { return BorderWidth(border_) + BorderWidth(innerBorder_); }
    bool Any() const { return border_ != sccbNone || innerBorder_ != sccbNone; }

private:
    TSCControlBorder border_ = sccbNone;
    TSCControlBorder innerBorder_ = sccbNone;
    int width_ = 0;
};

// Background and text colours of an edit in its states (clNone: use the normal ones).
class TSCEditColors : public TSCSettings {
public:
    virtual ~TSCEditColors() = default;

    fw::Color DisabledColor() const { return disabledColor_; }
    void SetDisabledColor(fw::Color value) { Set(disabledColor_, value); }
    fw::Color DisabledTextColor() const { return disabledTextColor_; }
    void SetDisabledTextColor(fw::Color value) { Set(disabledTextColor_, value); }
    fw::Color FocusColor() const { return focusColor_; }
    void SetFocusColor(fw::Color value) { Set(focusColor_, value); }
    fw::Color FocusTextColor() const { return focusTextColor_; }
    void SetFocusTextColor(fw::Color value) { Set(focusTextColor_, value); }
    fw::Color HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(fw::Color value) { Set(highlightColor_, value); }
    fw::Color HighlightTextColor() const { return highlightTextColor_; }
    void SetHighlightTextColor(fw::Color value) { Set(highlightTextColor_, value); }

private:
    fw::Color disabledColor_ = fw::clBtnFace;
    fw::Color disabledTextColor_ = fw::clGrayText;
    fw::Color focusColor_ = fw::clNone;
    fw::Color focusTextColor_ = fw::clNone;
    fw::Color highlightColor_ = fw::clHighlight;
    fw::Color highlightTextColor_ = fw::clHighlightText;
};

// The framed edit's colours add the frame's and the base of the scesWinXP look.
class TSCFrameEditColors : public TSCEditColors {
public:
    fw::Color FrameColor() const { return frameColor_; }
    void SetFrameColor(fw::Color value) { Set(frameColor_, value); }
    fw::Color WinXPColor() const { return winXPColor_; }
    void SetWinXPColor(fw::Color value) { Set(winXPColor_, value); }

private:
    fw::Color frameColor_ = fw::clNone;
    fw::Color winXPColor_ = 16762807;  // RGB 183, 199, 255
};
