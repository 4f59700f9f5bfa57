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

// The largest picture any view decodes. A header claiming more is refused
// before anything is allocated, so a small file cannot make the program take
// gigabytes, and on 32 bits a picture's byte count never wraps round size_t
// into a short buffer that the decoder would overrun.
struct PictureLimit
{
    std::uint64_t pixels;
    std::uint64_t bytes;
};
inline constexpr PictureLimit pictureLimit{100'000'000, std::uint64_t(256) << 20};

// Whether a picture of width × height pixels, rowBytes bytes from one row to
// the next, lies within pictureLimit (and so fits in size_t).
bool withinPictureLimit(std::uint64_t width, std::uint64_t height, std::uint64_t rowBytes);

// Whether a picture of this size, as its header claims it, is shown, at the
// four bytes a pixel the views decode to.
bool pictureSizeAllowed(std::int64_t width, std::int64_t height);
