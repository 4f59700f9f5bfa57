#pragma once

#include "core/docking.h"
#include "core/layout.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

// How a panel paints itself, as filled rectangles in the order they are
// drawn: the outer bevel's rings, the fill inside them (the border rings
// included), then the inner bevel's rings over the fill.
enum class PanelShade { Highlight, Shadow, Fill };
struct PanelStroke
{
    DockRect rect;
    PanelShade shade;
    bool operator==(const PanelStroke &) const = default;
};
// Each bevel is one ring per pixel of width on the rectangle's inclusive
// bounds: left and top in the top colour (highlight when raised, shadow
// when lowered), then right and bottom in the bottom colour, which so owns
// the top-right and bottom-left corners. Filled one-pixel rectangles, not
// lines: on a scaled screen they snap to whole device pixels edge to edge.
std::vector<PanelStroke> panelStrokes(int width, int height, const BevelSpec &bevels, int borderWidth = 0);

// A colour as the screen shows it.
struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb &) const = default;
};
// The front end's value for a system colour of the layout (clBtnFace).
using SystemColors = std::function<Rgb(TColor)>;
Rgb screenColor(TColor color, const SystemColors &system);

// One panel's own colour and whether it shows its parent's instead.
struct PanelFill
{
    TColor color;
    bool parentBackground;
};
// What a panel shows inside its bevels, given it and the panels it lies in,
// innermost first: the first own colour on the way out, else the colour of
// the window (or other container) the outermost lies in.
Rgb shownColor(std::span<const PanelFill> outwards, Rgb container, const SystemColors &system);
