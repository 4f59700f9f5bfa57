#pragma once

#include "core/jpegdecode.h"

#include <windows.h>

#include <optional>
#include <span>

// The picture box. It has no window of its own: its container paints it,
// below every child window. The JPEG is decoded the first time it is
// painted and kept; every paint stretches the whole bitmap over the box by
// nearest-pixel sampling, proportions not kept.
class TImage
{
public:
    explicit TImage(std::span<const std::uint8_t> jpeg);

    void Paint(HDC dc, const RECT &box);

private:
    std::span<const std::uint8_t> m_jpeg;
    bool m_decoded = false;
    std::optional<RgbPicture> m_picture; // as the bitmap wants it: blue first
};
