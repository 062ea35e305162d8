// Painting a gradient's bands into a rectangle of a canvas.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/Canvas.h"
#include "framework/Color.h"
#include "widgets/fill/LMDGradientBands.h"

// Paints one filled shape per band colour (plain colours, band 0 first) into `rect`, laid
// out by `style`, with no outline. `offScreen`: the bands are drawn into an image of the
// rectangle's size first and copied in one step, so no partly painted state shows.
// `usePalette`: the bands are drawn through a logical palette of their colours, made and
// freed here. Nothing is painted for an empty rectangle or no bands, and nothing outside
// the rectangle.
void PaintGradient(fw::Canvas& canvas, const RECT& rect, TLMDGradientStyle style, const std::vector<fw::Color>& colors,
                   bool offScreen, bool usePalette);
