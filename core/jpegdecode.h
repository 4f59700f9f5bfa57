#pragma once

#include <cstdint>
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

// Decodes a JPEG held in memory with libjpeg, at full size, into 24-bit
// colour; rows are padded to `rowAlignment` bytes. A damaged or unsupported
// picture, or one that libjpeg only decodes with warnings (such as missing
// data it would fill with grey), gives nothing.
std::optional<RgbPicture> decodeJpeg(std::span<const std::uint8_t> data, std::size_t rowAlignment = 1);
