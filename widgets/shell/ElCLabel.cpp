#include "widgets/shell/ElCLabel.h"

#include <windows.h>
#include <uxtheme.h>

#include "framework/Cp1251.h"
#include "widgets/shell/ElHintText.h"

std::string EncodedHint(const std::wstring& text)
{
    return EncodeHint(fw::Narrow(text), std::u16string(text.begin(), text.end()));
}

TCustomElLabel::TCustomElLabel(fw::Component* owner) : Label(owner) { SetTransparent(true); }

void TCustomElLabel::SetHint(const std::wstring& hint)
{
    hint_ = hint;
    fw::Control::SetHint(EncodedHint(hint));
}

void TCustomElLabel::SetCaption(const std::wstring& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    const std::string narrow = fw::Narrow(caption);
    if (narrow != fw::Control::Caption())
        fw::Control::SetCaption(narrow);  // notifies
    else
        TextChanged();
}

void TCustomElLabel::TextChanged()
{
    if (fw::Control::Caption() != fw::Narrow(caption_))
        caption_ = fw::Widen(fw::Control::Caption());
    Label::TextChanged();
}

void TCustomElLabel::SetUseXPThemes(bool use)
{
    if (use == useXPThemes_)
        return;
    useXPThemes_ = use;
    if (IsAppThemed())
        Invalidate();
}

void TCustomElLabel::HintShow(fw::HintInfo& info)
{
    Label::HintShow(info);
    if (hint_.empty()) {
        info.hintStr.clear();
        return;
    }
    const std::wstring shortPart = ShortPart(hint_);
    info.hintStr = EncodedHint(info.hintStr == fw::Narrow(shortPart) ? shortPart : hint_);
}
