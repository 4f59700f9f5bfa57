#include "windows/timage.h"

#include <utility>

TImage::TImage(std::span<const std::uint8_t> jpeg) : m_jpeg(jpeg) {}

void TImage::Paint(HDC dc, const RECT &box)
{
    if (!m_decoded) {
        m_decoded = true;
        // Bitmap rows are whole 32-bit words.
        m_picture = decodeJpeg(m_jpeg, 4);
        if (m_picture) {
            for (int y = 0; y < m_picture->height; ++y) {
                std::uint8_t *row = m_picture->pixels.data() + std::size_t(y) * m_picture->stride;
                for (int x = 0; x < m_picture->width; ++x)
                    std::swap(row[3 * x], row[3 * x + 2]);
            }
        }
    }
    if (!m_picture || box.right <= box.left || box.bottom <= box.top)
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = m_picture->width;
    info.bmiHeader.biHeight = -m_picture->height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    // Rows and columns are dropped or repeated, never blended.
    const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, 0, 0, m_picture->width,
                  m_picture->height, m_picture->pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    SetStretchBltMode(dc, oldMode);
}
