// RenderRing: blends a highlight's colour into a copy of the picture beneath it, lightly over the
// inscribed ellipse and strongly along a ring inside its edge; the hot variant whitens the ring's middle.
#pragma once

#include "ui/core/graphics.h"

namespace setupctrls {

// Touches only pixels strictly inside the ellipse inscribed in columns 0..maxColumn and rows 0..maxRow.
// A bitmap one pixel wide or high has no such pixel and is left as it is.
void RenderRing(ui::TBitmap& bitmap, int maxColumn, int maxRow, float strength, ui::TColor color, bool hot);

}  // namespace setupctrls
