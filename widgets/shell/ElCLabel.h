// A label whose caption and hint are UTF-16. The framework's own text holds the caption's
// code page 1251 form, and its hint the hint's encoded form (ElHintText.h).
#pragma once

#include <string>

#include "framework/Label.h"

class TCustomElLabel : public fw::Label {
public:
    explicit TCustomElLabel(fw::Component* owner = nullptr);
    std::string ClassName() const override { return "TCustomElLabel"; }

    const std::wstring& Hint() const { return hint_; }
    void SetHint(const std::wstring& hint);
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption);
    // Kept for the platform's visual styles; painting does not depend on it.
    bool UseXPThemes() const { return useXPThemes_; }
    void SetUseXPThemes(bool use);

protected:
    // The part of a hint before its first "|".
    static std::wstring ShortPart(const std::wstring& hint) { return hint.substr(0, hint.find(L'|')); }
    // The framework's text was set directly: the UTF-16 caption follows it.
    void TextChanged() override;
    // No hint without a hint of our own; else its short or whole text, encoded.
    void HintShow(fw::HintInfo& info) override;

private:
    std::wstring hint_;
    std::wstring caption_;
    bool useXPThemes_ = true;
};

// The encoded hint of a UTF-16 text.
std::string EncodedHint(const std::wstring& text);
