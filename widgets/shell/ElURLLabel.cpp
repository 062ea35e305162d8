#include "widgets/shell/ElURLLabel.h"

#include "framework/Accelerator.h"
#include "framework/Clipboard.h"
#include "framework/Cp1251.h"
#include "framework/WinControl.h"
#include "widgets/shell/ElHandPt.h"
#include "widgets/shell/ElShellUtils.h"

TElURLLabel::TElURLLabel(fw::Component* owner) : TCustomElLabel(owner)
{
    GetFont().SetStyle(GetFont().Style() | fw::fsUnderline);
    GetFont().SetColor(fw::clBlue);
    SetCursor(crURLCursor);
    SetAutoSize(true);
    clickOnRelease_ = true;
}

void TElURLLabel::SetVisited(bool visited)
{
    if (visited == visited_)
        return;
    visited_ = visited;
    Invalidate();
}

void TElURLLabel::SetVisitedColor(fw::Color color)
{
    if (color == visitedColor_)
        return;
    visitedColor_ = color;
    if (visited_)
        GetFont().SetColor(color);
    Invalidate();
}

void TElURLLabel::FollowLink()
{
    if (!Enabled())
        return;
    LaunchURL(url_);
    visited_ = true;
    GetFont().SetColor(visitedColor_);
}

void TElURLLabel::CopyLinkToClipboard() { fw::Clipboard::SetText(url_); }

void TElURLLabel::Click()
{
    TCustomElLabel::Click();
    if (!url_.empty())
        FollowLink();
}

void TElURLLabel::MouseEnter()
{
    TCustomElLabel::MouseEnter();
    savedStyle_ = GetFont().Style();
    savedColor_ = GetFont().GetColor();
    GetFont().SetStyle(hyperLinkStyle_);
    GetFont().SetColor(hyperLinkColor_);
}

void TElURLLabel::MouseLeave()
{
    TCustomElLabel::MouseLeave();
    GetFont().SetStyle(savedStyle_);
    GetFont().SetColor(savedColor_);
}

bool TElURLLabel::DialogChar(char key)
{
    if (!Enabled() || !ShowAccelChar() || !FocusControl() || !fw::IsAccel(key, fw::Control::Caption()))
        return false;
    if (FocusControl()->CanFocus()) {
        FocusControl()->SetFocus();
        return true;
    }
    Click();
    return false;
}

void TElURLLabel::ContextPopup(POINT where, bool& handled)
{
    if (GetPopupMenu()) {
        TCustomElLabel::ContextPopup(where, handled);
        return;
    }
    if (OnContextPopup)
        OnContextPopup(where, handled);
    if (handled)
        return;
    handled = true;
    // The previous menu closed long ago; keeping every one would grow without bound.
    delete linkMenu_;
    linkMenu_ = new fw::PopupMenu(this);
    linkMenu_->Add("&Jump to URL", [this] { FollowLink(); });
    linkMenu_->Add("&Copy URL", [this] { CopyLinkToClipboard(); });
    ShowMenuAt(*linkMenu_, where);
}

void TElURLLabel::HintShow(fw::HintInfo& info)
{
    // The framework's own choice, before the base class encodes it.
    const std::string chosen = info.hintStr;
    TCustomElLabel::HintShow(info);
    std::wstring candidate = Hint();
    if (info.control == this && candidate.empty() && showURLInHint_)
        candidate = fw::Widen(url_);
    if (candidate.empty()) {
        info.hintStr.clear();
        return;
    }
    if (chosen == fw::Narrow(ShortPart(Hint())))
        candidate = ShortPart(candidate);
    info.hintStr = EncodedHint(candidate);
}
