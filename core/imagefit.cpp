#include "core/imagefit.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>

ImageFit fitAndCentre(int imageWidth, int imageHeight, int areaWidth, int areaHeight)
{
    if (imageWidth <= 0 || imageHeight <= 0 || areaWidth <= 0 || areaHeight <= 0)
        return {};
    std::int64_t width = imageWidth;
    std::int64_t height = imageHeight;
    if (width > areaWidth || height > areaHeight) {
        // The side that meets its edge first sets the scale; integers, so the
        // binding side comes out exactly the area's.
        if (width * areaHeight >= height * areaWidth) {
            height = height * areaWidth / width;
            width = areaWidth;
        } else {
            width = width * areaHeight / height;
            height = areaHeight;
        }
    }
    // A sliver too thin for one unit still shows as one.
    width = width < 1 ? 1 : width;
    height = height < 1 ? 1 : height;
    return {(areaWidth - static_cast<double>(width)) / 2, (areaHeight - static_cast<double>(height)) / 2,
            static_cast<int>(width), static_cast<int>(height)};
}

bool withinPictureLimit(std::uint64_t width, std::uint64_t height, std::uint64_t rowBytes)
{
    // Each factor is checked before the product, so no product wraps.
    const std::uint64_t bytes = std::min(pictureLimit.bytes, std::uint64_t(std::numeric_limits<std::size_t>::max()));
    return width > 0 && height > 0 && width <= pictureLimit.pixels / height &&
           rowBytes <= bytes / height;
}

bool pictureSizeAllowed(std::int64_t width, std::int64_t height)
{
    return width > 0 && height > 0 && static_cast<std::uint64_t>(width) <= pictureLimit.pixels &&
           withinPictureLimit(static_cast<std::uint64_t>(width), static_cast<std::uint64_t>(height),
                              4 * static_cast<std::uint64_t>(width));
}
