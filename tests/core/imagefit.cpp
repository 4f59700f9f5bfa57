#include "core/imagefit.h"

#include <doctest.h>

namespace {

void expect(const ImageFit &fit, double left, double top, int width, int height)
{
    CHECK(fit.left == left);
    CHECK(fit.top == top);
    CHECK(fit.width == width);
    CHECK(fit.height == height);
}

} // namespace

// Smaller than the view: its own size, centred, half units kept.
TEST_CASE("a small picture is centred, not enlarged")
{
    expect(fitAndCentre(120, 80, 357, 255), 118.5, 87.5, 120, 80);
    expect(fitAndCentre(357, 255, 357, 255), 0, 0, 357, 255);
}

// Larger: the side that meets its edge first fills it exactly, the other
// keeps the aspect, cut to whole units.
TEST_CASE("a large picture shrinks to fit")
{
    expect(fitAndCentre(900, 600, 357, 255), 0, 8.5, 357, 238);
    expect(fitAndCentre(456, 326, 357, 255), 0.5, 0, 356, 255);
    expect(fitAndCentre(300, 1000, 357, 255), 140.5, 0, 76, 255);
    // Only one side too long still scales both.
    expect(fitAndCentre(400, 100, 357, 255), 0, 83, 357, 89);
}

// A picture far wider than high keeps at least one unit; sizes whose
// products leave 32 bits do not overflow.
TEST_CASE("extremes stay in the view")
{
    expect(fitAndCentre(100000, 1, 357, 255), 0, 127, 357, 1);
    const ImageFit huge = fitAndCentre(60000, 40000, 46000, 30000);
    CHECK(huge.width == 45000);
    CHECK(huge.height == 30000);
    expect(fitAndCentre(0, 10, 357, 255), 0, 0, 0, 0);
    expect(fitAndCentre(10, 10, 0, 255), 0, 0, 0, 0);
}

// The 8000 x 6000 photograph is shown; a header claiming more than 256 MiB
// decoded, or sizes whose product leaves 32 bits, is refused, as is an empty one.
TEST_CASE("a picture is refused when its header claims too much")
{
    CHECK(pictureSizeAllowed(8000, 6000));
    CHECK(pictureSizeAllowed(8192, 8192));
    CHECK_FALSE(pictureSizeAllowed(8192, 8193));
    CHECK_FALSE(pictureSizeAllowed(65535, 65535));
    CHECK_FALSE(pictureSizeAllowed(2147483647, 2147483647));
    CHECK_FALSE(pictureSizeAllowed(0, 6000));
    CHECK_FALSE(pictureSizeAllowed(8000, -1));
}
