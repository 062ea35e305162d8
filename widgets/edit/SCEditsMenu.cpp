// The edit's own context menu, shown when no other menu or handler takes the request.
#include <functional>

#include "framework/PopupMenu.h"
#include "widgets/edit/SCEdits.h"

void TSCCustomEdit::ContextPopup(POINT where, bool& handled)
{
    TSCCustomControl::ContextPopup(where, handled);
    if (handled)
        return;
    handled = true;
    ShowDefaultMenu(where);
}

void TSCCustomEdit::ShowDefaultMenu(POINT where)
{
    // Built anew each time, so the enabled items are those of this moment.
    fw::PopupMenu menu;
    menu.SetName("Default_PopupMenu");
    struct Item {
        const char* caption;
        bool enabled;
        std::function<void()> run;
    };
    const Item items[] = {
        {"Undo", engine_.CanUndo(), [this] { engine_.Undo(); }},
        {"Redo", engine_.CanRedo(), [this] { engine_.Redo(); }},
        {"-", true, {}},
        {"Cut", engine_.CanCut(), [this] { engine_.Cut(); }},
        {"Copy", engine_.CanCopy(), [this] { engine_.Copy(); }},
        {"Paste", engine_.CanPaste(), [this] { engine_.Paste(); }},
        {"Delete", engine_.CanDelete(), [this] { engine_.DeleteSelection(); }},
        {"-", true, {}},
        {"Select All", engine_.CanSelectAll(), [this] { engine_.SelectAll(); }},
    };
    for (const Item& item : items)
        menu.Items(menu.Add(item.caption, item.run)).enabled = item.enabled;

    // From the keyboard: beside the caret on the top edge, or below the control when the
    // caret is out of sight.
    if (where.x == -1 && where.y == -1) {
        const TSCEditPoint caret = engine_.CaretPoint();
        const RECT client = ClientRect();
        where = PtInRect(&client, POINT{caret.X, caret.Y}) ? POINT{caret.X + 4, 0} : POINT{0, Height()};
    }
    const POINT screen = ClientToScreen(where);
    // The caret hides while the menu shows, whatever the chosen item does.
    struct CaretHidden {
        explicit CaretHidden(TSCCustomEdit& edit) : edit(edit) { edit.HideCaret(); }
        ~CaretHidden() { edit.ShowCaret(); }
        TSCCustomEdit& edit;
    } hidden(*this);
    menu.Popup(screen.x, screen.y);
}
