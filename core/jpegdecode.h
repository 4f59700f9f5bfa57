#pragma once

#include "core/imagefit.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

// A decoded picture: rows top to bottom, three bytes a pixel, red first,
// `stride` bytes from one row to the next.
struct RgbPicture
{
    int width = 0;
    int height = 0;
    std::size_t stride = 0;
    std::vector<std::uint8_t> pixels;
};

// Where the decoded rows go, once the picture's size is known: the first
// row's address and, through `stride`, the distance between rows; null
// gives up.
using PictureRows = std::function<std::uint8_t *(int width, int height, std::size_t &stride)>;

// Decodes a JPEG held in memory with libjpeg, at full size, into 24-bit
// colour, red first. A damaged or unsupported picture, or one that libjpeg
// only decodes with warnings (such as missing data it would fill with grey),
// gives false; the rows may then hold part of it. So does a picture beyond
// pictureLimit, before `rows` is asked for anything.
bool decodeJpeg(std::span<const std::uint8_t> data, const PictureRows &rows);

// The same into a picture of its own, rows padded to `rowAlignment` bytes.
std::optional<RgbPicture> decodeJpeg(std::span<const std::uint8_t> data, std::size_t rowAlignment = 1);
