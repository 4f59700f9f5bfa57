#pragma once

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

// The largest picture a view decodes, in bytes at four bytes a pixel (about
// 67 megapixels): a header that claims more is refused before any decoding,
// so that a mistaken or hostile answer can neither stall the window nor
// exhaust its memory.
inline constexpr long long kMaxPictureBytes = 256LL * 1024 * 1024;

// Whether a picture of this size, as its header claims it, is shown.
bool pictureSizeAllowed(int width, int height);
