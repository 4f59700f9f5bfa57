#include "core/placement.h"

#include "tests/core/show.h"

#include <doctest.h>

TEST_CASE("the window is centred on the whole desktop")
{
    struct Case
    {
        DockRect desktop;
        int width, height;
        DockPoint topLeft;
    };
    const Case cases[] = {
        {{0, 0, 1920, 1080}, 805, 575, {558, 253}},          // one monitor
        {{0, 0, 3840, 1080}, 1045, 775, {1398, 153}},        // two monitors side by side
        {{-1280, 0, 3200, 1080}, 805, 575, {-82, 253}},      // second monitor on the left
        {{0, 0, 1025, 769}, 3, 3, {511, 383}},               // odd sizes truncate
        {{-1280, -200, 1280, 1024}, 2000, 1500, {-1280, -200}}, // larger than the desktop
    };
    for (const Case &c : cases) {
        CAPTURE(c.desktop);
        CHECK(desktopCentre(c.desktop, c.width, c.height) == c.topLeft);
    }
}
