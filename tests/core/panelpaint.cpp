#include "core/panelpaint.h"

#include <doctest.h>

#include <array>
#include <string>

namespace {

// What each pixel of a small panel ends up painted with.
template <int W, int H>
std::array<std::array<char, W>, H> painted(const BevelSpec &bevels, int borderWidth)
{
    std::array<std::array<char, W>, H> pixels{};
    for (auto &row : pixels)
        row.fill('.');
    for (const PanelStroke &stroke : panelStrokes(W, H, bevels, borderWidth)) {
        const char mark = stroke.shade == PanelShade::Highlight ? 'L' : stroke.shade == PanelShade::Shadow ? 'D' : 'f';
        for (int y = stroke.rect.top; y < stroke.rect.top + stroke.rect.height; ++y)
            for (int x = stroke.rect.left; x < stroke.rect.left + stroke.rect.width; ++x)
                pixels[y][x] = mark;
    }
    return pixels;
}

std::string rows(const auto &pixels)
{
    std::string text;
    for (const auto &row : pixels)
        text += std::string(row.begin(), row.end()) + '\n';
    return text;
}

} // namespace

// The bottom colour owns the top-right and bottom-left corners of every
// ring; the fill covers the border, and the inner bevel lies over it.
TEST_CASE("bevel rings and the fill")
{
    CHECK(rows(painted<8, 6>({TBevelCut::bvRaised, TBevelCut::bvNone, 2}, 0)) == "LLLLLLLD\n"
                                                                                 "LLLLLLDD\n"
                                                                                 "LLffffDD\n"
                                                                                 "LLffffDD\n"
                                                                                 "LDDDDDDD\n"
                                                                                 "DDDDDDDD\n");
    CHECK(rows(painted<8, 6>({TBevelCut::bvLowered, TBevelCut::bvRaised, 1}, 1)) == "DDDDDDDL\n"
                                                                                   "DffffffL\n"
                                                                                   "DfLLLDfL\n"
                                                                                   "DfDDDDfL\n"
                                                                                   "DffffffL\n"
                                                                                   "LLLLLLLL\n");
    // A panel too small for its bevels is all rings, with no fill left.
    CHECK(panelStrokes(2, 2, {TBevelCut::bvRaised, TBevelCut::bvRaised, 3}).size() == 4);
}

// System colours come from the front end: a panel in the face colour must
// not paint the colour's own bytes (RGB 15, 0, 0).
TEST_CASE("the colour a panel shows")
{
    const Rgb face{240, 240, 240};
    const SystemColors system = [face](TColor color) { return color == clBtnFace ? face : Rgb{}; };
    const Rgb window{1, 2, 3};
    const PanelFill ownFace{clBtnFace, false};
    const PanelFill purple{clPurple, false};
    const PanelFill inherits{clBlue, true};

    CHECK(screenColor(clPurple, system) == Rgb{0x80, 0, 0x80});
    CHECK(shownColor(std::array{ownFace}, window, system) == face);
    CHECK(shownColor(std::array{inherits, purple}, window, system) == Rgb{0x80, 0, 0x80});
    CHECK(shownColor(std::array{inherits, inherits}, window, system) == window);
    CHECK(shownColor(std::array{inherits, ownFace, purple}, window, system) == face);
}
