#pragma once

#include <cstdint>
#include <optional>
#include <span>

// The size a JPEG, PNG, GIF or BMP file claims in its header, read from the
// bytes alone, so that a picture too large to decode is refused before any
// decoder (some decode the whole picture as they open it) is given it.
struct ClaimedSize
{
    std::int64_t width = 0;
    std::int64_t height = 0;
};

// Nothing when the bytes are none of the four kinds or end before the size.
std::optional<ClaimedSize> claimedPictureSize(std::span<const std::uint8_t> bytes);
