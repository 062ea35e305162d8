#include "framework/Cursors.h"

#include <map>

namespace fw {

namespace {

struct Entry {
    HCURSOR cursor = nullptr;
    bool owned = false;
};

struct Table {
    std::map<int, Entry> entries;
    ~Table()
    {
        for (auto& e : entries)
            if (e.second.owned && e.second.cursor)
                DestroyCursor(e.second.cursor);
    }
};

Table& Cursors()
{
    static Table table;
    return table;
}

LPCWSTR StockName(int id)
{
    switch (id) {
    case crArrow: return IDC_ARROW;
    case crCross: return IDC_CROSS;
    case crIBeam: return IDC_IBEAM;
    case crSizeNESW: return IDC_SIZENESW;
    case crSizeNS: return IDC_SIZENS;
    case crSizeNWSE: return IDC_SIZENWSE;
    case crSizeWE: return IDC_SIZEWE;
    case crUpArrow: return IDC_UPARROW;
    case crHourGlass: return IDC_WAIT;
    case crNo: return IDC_NO;
    case crAppStart: return IDC_APPSTARTING;
    case crHelp: return IDC_HELP;
    case crHandPoint: return IDC_HAND;
    case crSizeAll: return IDC_SIZEALL;
    default: return nullptr;
    }
}

}  // namespace

HCURSOR ScreenCursor(int id)
{
    if (id == crNone)
        return nullptr;
    auto& entries = Cursors().entries;
    auto it = entries.find(id);
    if (it != entries.end() && it->second.cursor)
        return it->second.cursor;
    if (LPCWSTR name = StockName(id)) {
        // Stock cursors are shared by the system and never destroyed.
        HCURSOR stock = LoadCursorW(nullptr, name);
        if (stock) {
            entries[id] = Entry{stock, false};
            return stock;
        }
    }
    return LoadCursorW(nullptr, IDC_ARROW);
}

void SetScreenCursor(int id, HCURSOR cursor, bool owned)
{
    Entry& e = Cursors().entries[id];
    if (e.owned && e.cursor && e.cursor != cursor)
        DestroyCursor(e.cursor);
    e = Entry{cursor, owned};
}

}  // namespace fw
