// The edit with its main and browse buttons, and the published button edit.
#include "widgets/edit/SCAdvEdits.h"

TSCShortCut SCShortCut(WORD key, fw::ShiftState shift)
{
    TSCShortCut shortCut = key & 0xFFu;
    if (shift & fw::ssShift)
        shortCut |= scShift;
    if (shift & fw::ssCtrl)
        shortCut |= scCtrl;
    if (shift & fw::ssAlt)
        shortCut |= scAlt;
    return shortCut;
}

namespace {

std::unique_ptr<TSCEditButton> MakePlainButton(TSCCustomButtonFrame& owner)
{
    return std::make_unique<TSCEditButton>(owner);
}

std::unique_ptr<TSCEditButton> MakeStyledButton(TSCCustomButtonFrame& owner)
{
    return std::make_unique<TSCStyledEditButton>(owner);
}

}  // namespace

TSCCustomButtonEdit::TSCCustomButtonEdit(fw::Component* owner) : TSCCustomButtonEdit(owner, MakePlainButton) {}

TSCCustomButtonEdit::TSCCustomButtonEdit(fw::Component* owner, ButtonMaker makeButton)
    : TSCCustomButtonFrame(owner), button_(makeButton(*this)), browseButton_(std::make_unique<TSCBrowseButton>(*this))
{
    UpdateLayout();
}

TSCCustomButtonEdit::~TSCCustomButtonEdit()
{
    // The window goes first, so the buttons leaving the list lay out nothing.
    DestroyHandle();
}

void TSCCustomButtonEdit::ButtonPressed(TSCEditButton& button)
{
    RaiseClick(button);
}

void TSCCustomButtonEdit::RaiseClick(TSCEditButton& button)
{
    // A copy: the handler may assign the event anew.
    const std::function<void()> handler = &button == button_.get() ? OnButtonClick : browseButton_->OnClick;
    if (!handler)
        return;
    // The handler may run a modal dialog that swallows the release: the button must not
    // stay pressed, nor the field keep the mouse.
    ReleaseButtons();
    handler();
}

void TSCCustomButtonEdit::KeyDown(WORD& key, fw::ShiftState shift)
{
    if (buttonClickKey_ != 0 && SCShortCut(key, shift) == buttonClickKey_) {
        key = 0;
        // The key is the button's: its character must not reach the text.
        MSG pending;
        PeekMessageW(&pending, Handle(), WM_CHAR, WM_CHAR, PM_REMOVE);
        PeekMessageW(&pending, Handle(), WM_SYSCHAR, WM_SYSCHAR, PM_REMOVE);
        RaiseClick(*button_);
        return;
    }
    TSCCustomButtonFrame::KeyDown(key, shift);
}

TSCButtonEdit::TSCButtonEdit(fw::Component* owner) : TSCCustomButtonEdit(owner, MakeStyledButton) {}
