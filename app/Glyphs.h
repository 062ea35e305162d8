// The pictures of the main window's two buttons.
#pragma once

#include "framework/Bitmap.h"

namespace app {

// 14 by 14: the About button's picture.
fw::Bitmap AboutGlyph();
// 30 by 16: the write button's normal and disabled pictures side by side.
fw::Bitmap WriteGlyphStrip();

}  // namespace app
