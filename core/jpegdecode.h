#pragma once

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
