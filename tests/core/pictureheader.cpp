#include "core/imagefit.h"
#include "core/pictureheader.h"

#include <doctest.h>

#include <vector>

namespace {

std::optional<ClaimedSize> claimed(std::vector<std::uint8_t> bytes)
{
    return claimedPictureSize(bytes);
}

void checkSize(const std::optional<ClaimedSize> &size, std::int64_t width, std::int64_t height)
{
    REQUIRE(size.has_value());
    CHECK(size->width == width);
    CHECK(size->height == height);
}

} // namespace

// The size is found behind other markers and fill bytes, in a progressive
// frame too; a scan before any frame header, or bytes that end, claim nothing.
TEST_CASE("a JPEG's claimed size is its first frame header's")
{
    const std::vector<std::uint8_t> start = {0xff, 0xd8, 0xff, 0xe0, 0x00, 0x04, 0x4a, 0x46, 0xff, 0xff};
    auto with = [&](std::vector<std::uint8_t> rest) {
        std::vector<std::uint8_t> bytes = start;
        bytes.insert(bytes.end(), rest.begin(), rest.end());
        return bytes;
    };
    checkSize(claimed(with({0xc0, 0x00, 0x11, 0x08, 0x01, 0x46, 0x01, 0xc8})), 456, 326);
    checkSize(claimed(with({0xc2, 0x00, 0x11, 0x08, 0x75, 0x30, 0x75, 0x30})), 30000, 30000);
    CHECK_FALSE(claimed(with({0xc4, 0x00, 0x03, 0x00, 0xff, 0xda, 0x00, 0x02, 0xff, 0xc0, 0x00, 0x11, 0x08, 0x01})));
    CHECK_FALSE(claimed(with({0xc0, 0x00, 0x11, 0x08, 0x01})));
    CHECK_FALSE(claimed({0xff, 0xd8, 0xff, 0xe0, 0xff, 0xff}));
}

// A header that claims too much is refused before any decoder sees it; an
// OS/2 bitmap and a top-down one are read.
TEST_CASE("PNG, GIF and BMP headers give their sizes")
{
    const auto png = claimed({0x89, 'P', 'N', 'G', 0x0d, 0x0a, 0x1a, 0x0a, 0, 0, 0, 13, 'I', 'H', 'D', 'R',
                              0, 0, 0x75, 0x30, 0, 0, 0x75, 0x30});
    checkSize(png, 30000, 30000);
    CHECK_FALSE(pictureSizeAllowed(png->width, png->height));
    checkSize(claimed({'G', 'I', 'F', '8', '9', 'a', 200, 0, 100, 0}), 200, 100);
    std::vector<std::uint8_t> bmp(26, 0);
    bmp[0] = 'B', bmp[1] = 'M', bmp[14] = 40, bmp[18] = 0x10, bmp[22] = 0x9c, bmp[23] = 0xff, bmp[24] = 0xff,
    bmp[25] = 0xff;
    checkSize(claimed(bmp), 16, 100);
    bmp[14] = 12, bmp[18] = 0x20, bmp[20] = 0x30;
    checkSize(claimed(bmp), 32, 48);
    CHECK_FALSE(claimed({'B', 'M', 0}));
    CHECK_FALSE(claimed({'<', 'h', 't', 'm', 'l', '>'}));
}
