// A label that is a hyperlink: the hand cursor, a link look while the mouse is over it,
// its URL opened through the shell on a click, and a menu to open or copy the address.
#pragma once

#include <string>

#include "framework/PopupMenu.h"
#include "widgets/shell/ElCLabel.h"

class TElURLLabel : public TCustomElLabel {
public:
    explicit TElURLLabel(fw::Component* owner = nullptr);
    std::string ClassName() const override { return "TElURLLabel"; }

    const std::string& URL() const { return url_; }
    void SetURL(const std::string& url) { url_ = url; }
    // The address shows as the hint when the label has no hint of its own.
    bool ShowURLInHint() const { return showURLInHint_; }
    void SetShowURLInHint(bool show) { showURLInHint_ = show; }
    // Setting it never recolours: only following the link does.
    bool Visited() const { return visited_; }
    void SetVisited(bool visited);
    fw::Color VisitedColor() const { return visitedColor_; }
    // Recolours the font at once while Visited is set.
    void SetVisitedColor(fw::Color color);
    // The look while the mouse is over the label; a change shows at the next enter.
    fw::Color HyperLinkColor() const { return hyperLinkColor_; }
    void SetHyperLinkColor(fw::Color color) { hyperLinkColor_ = color; }
    unsigned HyperLinkStyle() const { return hyperLinkStyle_; }
    void SetHyperLinkStyle(unsigned style) { hyperLinkStyle_ = style; }

    // Opens URL and turns the font to VisitedColor, whether or not the shell opened it;
    // nothing while disabled.
    void FollowLink();
    void CopyLinkToClipboard();

protected:
    void Click() override;
    void MouseEnter() override;
    void MouseLeave() override;
    bool DialogChar(char key) override;
    void ContextPopup(POINT where, bool& handled) override;
    void HintShow(fw::HintInfo& info) override;

private:
    std::string url_;
    bool showURLInHint_ = true;
    bool visited_ = false;
    fw::Color visitedColor_ = fw::clBlue;
    fw::Color hyperLinkColor_ = fw::clBlue;
    unsigned hyperLinkStyle_ = fw::fsUnderline;
    fw::Color savedColor_ = fw::clBlue;
    unsigned savedStyle_ = 0;
    // The menu of the last request, owned by the label; the next request frees it.
    fw::PopupMenu* linkMenu_ = nullptr;
};
