// The edit's construction, layout, the engine's host and measurer, and painting.
#include "widgets/edit/SCEdits.h"

#include <vector>

#include "framework/Clipboard.h"
#include "framework/Cp1251.h"
#include "widgets/edit/SCEditLayout.h"

TSCCustomEdit::TSCCustomEdit(fw::Component* owner) : TSCCustomEdit(owner, std::make_unique<TSCEditColors>()) {}

TSCCustomEdit::TSCCustomEdit(fw::Component* owner, std::unique_ptr<TSCEditColors> colors)
    : TSCCustomControl(owner), colors_(std::move(colors)), engine_(*this, *this)
{
    SetBounds(0, 0, 145, 21);
    SetColor(fw::clWindow);
    SetTabStop(true);
    colors_->OnChange = [this] { Invalidate(); };
    engine_.OnCaretMove = [this] {
        if (OnCaretMove)
            OnCaretMove();
    };
    engine_.OnChange = [this] { Change(); };
    // The engine's clipboard offers go to the control's events of the same names.
    auto forward = [](std::function<void(std::string&, bool&)>& event) {
        return [&event](std::string& text, bool& allow) {
            if (event)
                event(text, allow);
        };
    };
    engine_.OnClipCopy = forward(OnClipCopy);
    engine_.OnClipCut = forward(OnClipCut);
    engine_.OnClipPaste = forward(OnClipPaste);
}

void TSCCustomEdit::SetHideSelection(bool value)
{
    if (value == HideSelection())
        return;
    engine_.SetHideSelection(value);
    if (engine_.HasSelection() && !Focused())
        Invalidate();
}

void TSCCustomEdit::SetAutoSize(bool value)
{
    autoSize_ = value;
    AdjustHeight();
}

// --- Layout ---

void TSCCustomEdit::UpdateLayout()
{
    TSCEditMargins margins = InnerMargins();
    if (BorderProps().Any()) {
        ++margins.Left;
        ++margins.Top;
    }
    engine_.SetMargins(margins);
    AdjustHeight();
    Invalidate();
}

void TSCCustomEdit::AdjustHeight()
{
    if (!autoSize_ || !HandleAllocated() || IsLoading())
        return;
    const int height = scedit::AutoHeight(engine_.LineHeight(), InnerMargins(), BorderProps().Extent());
    SetBounds(Left(), Top(), Width(), height);
}

void TSCCustomEdit::HandleCreated()
{
    TSCCustomControl::HandleCreated();
    UpdateLayout();
}

void TSCCustomEdit::Resize()
{
    engine_.SizeChanged();
    TSCCustomControl::Resize();
}

void TSCCustomEdit::FontChanged()
{
    TSCCustomControl::FontChanged();
    engine_.FontChanged();
    AdjustHeight();
    if (Focused()) {
        // The caret is one line high.
        DestroyCaret();
        CreateCaret(1, engine_.LineHeight());
        UpdateCaret();
        ShowCaret();
    }
}

void TSCCustomEdit::Loaded()
{
    TSCCustomControl::Loaded();
    UpdateLayout();
}

// --- Host and measurer ---

TSCEditRect TSCCustomEdit::ClientArea() const
{
    const RECT r = ClientRect();
    return {r.left, r.top, r.right, r.bottom};
}

void TSCCustomEdit::UpdateCaret()
{
    if (!Focused())
        return;
    HideCaret();
    const TSCEditPoint p = engine_.CaretPoint();
    SetCaretPos(p.X, p.Y);
    ShowCaret();
}

void TSCCustomEdit::SetClipboardText(const std::string& text) { fw::Clipboard::SetText(text); }

std::string TSCCustomEdit::ClipboardText() { return fw::Clipboard::GetText(); }

bool TSCCustomEdit::ClipboardHasText() { return fw::Clipboard::HasText(); }

void TSCCustomEdit::MeasureChars(TSCCharExtentTable& extents)
{
    fw::SelectGuard font(measureDC_.Get(), GetFont().Handle());
    for (std::size_t code = 0; code < extents.size(); ++code) {
        const std::wstring wide = fw::Widen(std::string(1, static_cast<char>(code)));
        SIZE size = {};
        GetTextExtentPoint32W(measureDC_.Get(), wide.c_str(), static_cast<int>(wide.size()), &size);
        extents[code] = {size.cx, size.cy};
    }
}

// --- Painting ---

fw::Color TSCCustomEdit::BackgroundColor() const
{
    if (!Enabled())
        return colors_->DisabledColor();
    if (Focused() && colors_->FocusColor() != fw::clNone)
        return colors_->FocusColor();
    return GetColor();
}

fw::Color TSCCustomEdit::TextColor() const
{
    if (!Enabled())
        return colors_->DisabledTextColor();
    if (Focused() && colors_->FocusColor() != fw::clNone)
        return colors_->FocusTextColor();
    return GetFont().GetColor();
}

void TSCCustomEdit::Paint(fw::Canvas& canvas)
{
    TSCCustomControl::Paint(canvas);
    PaintText(canvas);
}

void TSCCustomEdit::PaintText(fw::Canvas& canvas)
{
    const std::string& text = engine_.Text();
    const TSCEditRect area = engine_.TextArea();
    if (text.empty() || area.Empty())
        return;
    // Each character advances by the width the engine measured, so what is drawn stands
    // where clicks and the caret expect it.
    const TSCCharExtents& extents = engine_.Extents();
    const std::wstring wide = fw::Widen(text);
    std::vector<INT> advances(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        advances[i] = extents.Width(text[i]);
    if (wide.size() != text.size())
        return;  // code page 1251 gives one UTF-16 unit per byte; anything else is not ours to draw

    HDC dc = canvas.Handle();
    fw::SavedDC saved(dc);
    IntersectClipRect(dc, area.Left, area.Top, area.Right, area.Bottom);
    const int left = area.Left - engine_.ScrollOffset();
    auto xOf = [&](int col) { return left + scedit::ColumnLeft(text, extents, col); };
    auto run = [&](int from, int to, fw::Color color) {
        if (to <= from)
            return;
        canvas.SetTextColor(color);
        ExtTextOutW(dc, xOf(from), area.Top, 0, nullptr, wide.data() + from, static_cast<UINT>(to - from),
                    advances.data() + from);
    };
    const int length = static_cast<int>(text.size());
    const bool selection = engine_.SelectionShown(Focused());
    const int selStart = selection ? engine_.SelStart() : length;
    const int selEnd = selection ? engine_.SelEnd() : length;
    run(0, selStart, TextColor());
    if (selection) {
        canvas.FillRect(RECT{xOf(selStart), area.Top, xOf(selEnd), area.Top + engine_.LineHeight()},
                        colors_->HighlightColor());
        run(selStart, selEnd, colors_->HighlightTextColor());
    }
    run(selEnd, length, TextColor());
}
