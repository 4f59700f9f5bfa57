#include "core/panelpaint.h"

namespace {

void addRings(std::vector<PanelStroke> &strokes, DockRect &r, TBevelCut cut, int width)
{
    if (cut == TBevelCut::bvNone)
        return;
    const PanelShade top = cut == TBevelCut::bvRaised ? PanelShade::Highlight : PanelShade::Shadow;
    const PanelShade bottom = cut == TBevelCut::bvRaised ? PanelShade::Shadow : PanelShade::Highlight;
    for (int i = 0; i < width && r.width > 0 && r.height > 0; ++i) {
        strokes.push_back({{r.left, r.top, 1, r.height}, top});
        strokes.push_back({{r.left, r.top, r.width, 1}, top});
        strokes.push_back({{r.left + r.width - 1, r.top, 1, r.height}, bottom});
        strokes.push_back({{r.left, r.top + r.height - 1, r.width, 1}, bottom});
        r = {r.left + 1, r.top + 1, r.width - 2, r.height - 2};
    }
}

} // namespace

std::vector<PanelStroke> panelStrokes(int width, int height, const BevelSpec &bevels, int borderWidth)
{
    std::vector<PanelStroke> strokes;
    DockRect r{0, 0, width, height};
    addRings(strokes, r, bevels.outer, bevels.width);
    if (r.width > 0 && r.height > 0)
        strokes.push_back({r, PanelShade::Fill});
    r = {r.left + borderWidth, r.top + borderWidth, r.width - 2 * borderWidth, r.height - 2 * borderWidth};
    addRings(strokes, r, bevels.inner, bevels.width);
    return strokes;
}

Rgb screenColor(TColor color, const SystemColors &system)
{
    if (isSystemColor(color))
        return system(color);
    return {redOf(color), greenOf(color), blueOf(color)};
}

Rgb shownColor(std::span<const PanelFill> outwards, Rgb container, const SystemColors &system)
{
    for (const PanelFill &panel : outwards) {
        if (!panel.parentBackground)
            return screenColor(panel.color, system);
    }
    return container;
}
