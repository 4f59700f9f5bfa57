#include "core/jpegdecode.h"

#include "tests/core/qrcode.h"

#include <doctest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> qrCode()
{
    return {std::begin(qrCodeJpeg), std::end(qrCodeJpeg)};
}

// Offset of the frame header's height field (the width follows), just past
// an SOF0 marker.
std::size_t frameHeightOffset(const std::vector<std::uint8_t> &jpeg)
{
    for (std::size_t i = 0; i + 1 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0)
            return i + 5;
    return 0;
}

std::vector<std::uint8_t> claimingSize(std::uint16_t width, std::uint16_t height)
{
    std::vector<std::uint8_t> jpeg = qrCode();
    const std::size_t at = frameHeightOffset(jpeg);
    REQUIRE(at > 0);
    jpeg[at] = std::uint8_t(height >> 8);
    jpeg[at + 1] = std::uint8_t(height);
    jpeg[at + 2] = std::uint8_t(width >> 8);
    jpeg[at + 3] = std::uint8_t(width);
    return jpeg;
}

std::uint32_t pixel(const RgbPicture &picture, int x, int y)
{
    const std::uint8_t *p = picture.pixels.data() + std::size_t(y) * picture.stride + std::size_t(x) * 3;
    return std::uint32_t(p[0]) << 16 | std::uint32_t(p[1]) << 8 | p[2];
}

int grey(std::uint32_t rgb)
{
    return int(((rgb >> 16) * 11 + ((rgb >> 8) & 0xFF) * 16 + (rgb & 0xFF) * 5) / 32);
}

} // namespace

TEST_CASE("the QR code decodes at full size, red first")
{
    const std::optional<RgbPicture> picture = decodeJpeg(qrCode());
    REQUIRE(picture);
    CHECK(picture->width == 344);
    CHECK(picture->height == 344);
    CHECK(picture->stride == 344 * 3);
    // Quiet zone, a finder pattern's dark ring and the label box under its text.
    CHECK(pixel(*picture, 4, 4) == 0xFFFFFF);
    CHECK(grey(pixel(*picture, 60, 60)) < 40);
    CHECK(grey(pixel(*picture, 172, 186)) > 215);

    const std::optional<RgbPicture> aligned = decodeJpeg(qrCode(), 4);
    REQUIRE(aligned);
    CHECK(aligned->stride == 1032);
    CHECK(pixel(*aligned, 60, 60) == pixel(*picture, 60, 60));
}

TEST_CASE("a damaged picture gives none")
{
    const std::vector<std::uint8_t> good = qrCode();
    const auto cut = [&](std::size_t size) { return std::vector<std::uint8_t>(good.begin(), good.begin() + size); };
    const std::string notJpeg = "GIF89a not a picture at all";
    CHECK(!decodeJpeg(std::vector<std::uint8_t>()));
    CHECK(!decodeJpeg(std::vector<std::uint8_t>(notJpeg.begin(), notJpeg.end())));
    CHECK(!decodeJpeg(cut(100)));              // cut in the headers
    CHECK(!decodeJpeg(cut(good.size() / 2)));  // cut in the scan
    CHECK(!decodeJpeg(cut(good.size() - 2)));  // end marker missing
    CHECK(!decodeJpeg(claimingSize(344, 0)));  // zero height
    CHECK(!decodeJpeg(claimingSize(65520, 65520)));
}

// 43691 × 32768 at three bytes a pixel is 2^32 + 131,072 bytes: on 32 bits
// that product wraps to a 131,072-byte buffer, and rows of 131,073 bytes
// would be written into it. The header alone is refused, nothing allocated.
TEST_CASE("a header beyond the picture limit is refused before any row is asked for")
{
    const std::vector<std::uint8_t> jpeg = claimingSize(43691, 32768);
    bool asked = false;
    CHECK(!decodeJpeg(jpeg, [&](int, int, std::size_t &) -> std::uint8_t * {
        asked = true;
        return nullptr;
    }));
    CHECK(!asked);
    CHECK(!decodeJpeg(jpeg));
    CHECK(!decodeJpeg(jpeg, 4));

    // The limit itself: pixels and bytes, without wrapping.
    CHECK(withinPictureLimit(8000, 6000, 8000 * 3));
    CHECK(!withinPictureLimit(10001, 10000, 10001 * 3));
    CHECK(!withinPictureLimit(9500, 9500, 9500 * 3));
    CHECK(!withinPictureLimit(std::uint64_t(1) << 33, std::uint64_t(1) << 33, std::uint64_t(3) << 33));
    CHECK(!withinPictureLimit(0, 10, 0));
}
