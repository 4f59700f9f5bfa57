#pragma once

#include "core/docking.h"

// Layout positions are designed at 120 dots per inch for a window font whose
// "0" is 23 pixels high.
inline constexpr int kDesignPixelsPerInch = 120;
inline constexpr int kDesignTextHeight = 23;
inline constexpr int kDesignFontHeight = -20;

// a * b / c with a 64-bit product, rounded to nearest, halves away from zero:
// the rounding of the Windows MulDiv function, whose name the Windows
// headers take.
int mulDiv(int a, int b, int c);

// Font height (negative: character height) for the given screen density.
int scaledFontHeight(int pixelsPerInch);

// Scales bounds by n / t; right and bottom edges are scaled from the left and
// top, so neighbours that share an edge keep sharing it.
DockRect scaleBounds(const DockRect &bounds, int n, int t = kDesignTextHeight);
int scaleLength(int length, int n, int t = kDesignTextHeight);
