#include "core/controldata.h"

#include <doctest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

std::uint32_t read32(const std::vector<std::uint8_t> &data, std::size_t at)
{
    return data[at] | data[at + 1] << 8 | data[at + 2] << 16 | std::uint32_t(data[at + 3]) << 24;
}

} // namespace

// The three views' extents, rounded to the nearest HIMETRIC unit, and an
// empty link: only the header's size and class are set, so the control has
// nothing to show before its first navigation.
TEST_CASE("the browser control's data for each view")
{
    struct View
    {
        const char *name;
        int width, height;
        std::uint32_t himetricWidth, himetricHeight;
    };
    const View views[] = {
        {"WebBrowser1", 1029, 683, 21781, 14457},
        {"WebBrowser2", 456, 326, 9652, 6900},
        {"WebBrowser3", 456, 347, 9652, 7345},
    };
    for (const View &view : views) {
        CAPTURE(view.name);
        const std::vector<std::uint8_t> data = browserControlData(view.width, view.height);
        REQUIRE(data.size() == 156);
        CHECK(read32(data, 0) == 76);
        CHECK(read32(data, 4) == view.himetricWidth);
        CHECK(read32(data, 8) == view.himetricHeight);
        CHECK(read32(data, 76) == 0x4C);
        const std::uint8_t linkClass[16] = {0x01, 0x14, 0x02, 0, 0, 0, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46};
        CHECK(std::equal(std::begin(linkClass), std::end(linkClass), data.begin() + 80));
        CHECK(std::all_of(data.begin() + 12, data.begin() + 76, [](std::uint8_t b) { return b == 0; }));
        CHECK(std::all_of(data.begin() + 96, data.end(), [](std::uint8_t b) { return b == 0; }));
    }
}
