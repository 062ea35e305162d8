// A logical palette and its selection into a DC, each undone by its owner.
#pragma once

#include <windows.h>

#include <utility>

#include "framework/Gdi.h"

namespace fw {

using PaletteHandle = GdiObject<HPALETTE>;

// Selects a palette (in the background, as a memory image needs) and realises it;
// the previous palette is selected back when the guard goes. A null palette does nothing.
class PaletteSelection {
public:
    PaletteSelection(HDC dc, HPALETTE palette) : dc_(dc), old_(palette ? SelectPalette(dc, palette, TRUE) : nullptr)
    {
        if (old_)
            RealizePalette(dc_);
    }
    ~PaletteSelection()
    {
        if (old_)
            SelectPalette(dc_, old_, TRUE);
    }
    PaletteSelection(const PaletteSelection&) = delete;
    PaletteSelection& operator=(const PaletteSelection&) = delete;

private:
    HDC dc_;
    HPALETTE old_;
};

}  // namespace fw
