#include "core/scaling.h"

#include "tests/core/show.h"

#include <doctest.h>

TEST_CASE("mulDiv rounds half away from zero in 64 bits")
{
    struct Case
    {
        int a, b, c, result;
    };
    const Case cases[] = {
        {1029, 23, 23, 1029},             // exact
        {1, 1, 2, 1},                     // half rounds up
        {-1, 1, 2, -1},                   // negative half rounds away
        {-20, 96, 120, -16},              // font at 96 dpi
        {-20, 144, 120, -24},             // font at 144 dpi
        {10, 18, 23, 8},                  // below half rounds down
        {2000000000, 3, 4, 1500000000},   // 64-bit product
        {5, 5, 0, -1},                    // division by zero
    };
    for (const Case &c : cases) {
        CAPTURE(c.a);
        CAPTURE(c.b);
        CAPTURE(c.c);
        CHECK(mulDiv(c.a, c.b, c.c) == c.result);
    }
}

TEST_CASE("the client size at each text height")
{
    struct Case
    {
        int textHeight, width, height;
    };
    const Case cases[] = {
        {23, 1029, 735}, // 120 dpi, no scaling
        {18, 805, 575},  // 96 dpi, N 18
        {19, 850, 607},  // 96 dpi, N 19
        {27, 1208, 863}, // 144 dpi, N 27
    };
    for (const Case &c : cases) {
        CAPTURE(c.textHeight);
        CHECK(scaleLength(1029, c.textHeight) == c.width);
        CHECK(scaleLength(735, c.textHeight) == c.height);
    }
}

TEST_CASE("shared edges stay shared")
{
    // Button4 ends where Button5 starts; scaled separately their edges
    // could drift apart by rounding, scaled from left plus width they cannot.
    const DockRect button4 = scaleBounds({242, 10, 145, 32}, 18);
    const DockRect button5 = scaleBounds({387, 10, 145, 32}, 18);
    CHECK(button4.left + button4.width == button5.left);
    CHECK(button4 == DockRect{189, 8, 114, 25});
    CHECK(scaleBounds({242, 10, 145, 32}, 23) == DockRect{242, 10, 145, 32});
}

TEST_CASE("the font height at each resolution")
{
    CHECK(scaledFontHeight(96) == -16);
    CHECK(scaledFontHeight(120) == -20);
    CHECK(scaledFontHeight(144) == -24);
    CHECK(scaledFontHeight(192) == -32);
}
