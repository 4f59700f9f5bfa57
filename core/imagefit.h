#pragma once

#include <cstdint>

// Where a picture goes in a view, as a browser places an image shown on its
// own: scaled down to fit with its aspect kept, never scaled up, centred.
// All lengths are in the view's units (logical pixels); the scaled size is
// cut to whole units as the browser cuts it.
struct ImageFit
{
    double left = 0;
    double top = 0;
    int width = 0;
    int height = 0;
};

ImageFit fitAndCentre(int imageWidth, int imageHeight, int areaWidth, int areaHeight);

// The most a picture may claim in its header before anything is decoded:
// beyond it the view shows its notice rather than stall or run out of
// memory. Counted at the four bytes a pixel the decoders hand out.
inline constexpr std::int64_t kLargestPicturePixels = 100'000'000;
inline constexpr std::int64_t kLargestPictureBytes = std::int64_t(256) << 20;

constexpr bool pictureTooLarge(std::int64_t width, std::int64_t height)
{
    return width <= 0 || height <= 0 || width * height > kLargestPicturePixels ||
           width * height * 4 > kLargestPictureBytes;
}
