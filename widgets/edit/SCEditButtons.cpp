#include "widgets/edit/SCEditButtons.h"

#include "widgets/edit/SCAdvEdits.h"

TSCEditButton::TSCEditButton(TSCCustomButtonFrame& owner) : owner_(owner)
{
    owner_.AddButton(*this);
}

TSCEditButton::TSCEditButton(TSCCustomButtonFrame& owner, TSCEditButtonStyle style, bool visible)
    : owner_(owner), style_(style), visible_(visible)
{
    owner_.AddButton(*this);
}

TSCEditButton::~TSCEditButton()
{
    owner_.RemoveButton(*this);
}

void TSCEditButton::Changed()
{
    if (updateCount_ > 0)
        changedInUpdate_ = true;
    else
        owner_.ButtonChanged();
}

void TSCEditButton::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0 && changedInUpdate_) {
        changedInUpdate_ = false;
        owner_.ButtonChanged();
    }
}

void TSCEditButton::Assign(const TSCEditButton& source)
{
    if (&source == this)
        return;
    BeginUpdate();
    SetAlign(source.align_);
    SetArrowColor(source.arrowColor_);
    SetColor(source.color_);
    SetImage(source.image_);
    SetStyle(source.style_);
    SetVisible(source.visible_);
    SetWidth(source.width_);
    SetDropped(source.dropped_);
    EndUpdate();
}
