#pragma once

#include "core/imagefit.h"
#include "windows/comptr.h"

#include <windows.h>
#include <wincodec.h>

#include <cstdint>
#include <span>
#include <vector>

// One answer's picture through the system's imaging component: JPEG, PNG,
// GIF (its frames composed as a browser composes them) or BMP. Only the
// header is read on opening; a picture is decoded scaled to the size it is
// shown at (the decoder's own scaling where it has one, then an average of
// the pixels each shown pixel covers), its transparency laid over the
// view's background. The bytes must outlive the decoder.
class PictureDecoder
{
public:
    enum class Opened { Picture, NotPicture, TooLarge };
    // The browser's image document background, RGB 14, 14, 14, as BGRX.
    static constexpr std::uint32_t kBackground = 0x0e0e0e;

    // A picture (an animation's first frame) as a view of the given size
    // shows it: how it opened, its own size, where it goes and its pixels.
    struct ForView
    {
        Opened opened = Opened::NotPicture;
        int width = 0;
        int height = 0;
        bool animated = false;
        ImageFit fit;
        std::vector<std::uint32_t> shown;
    };
    // On any thread joined to the object system; a picture that opens but
    // cannot be decoded is not one.
    static ForView forView(std::span<const std::uint8_t> bytes, int viewWidth, int viewHeight);

    Opened open(std::span<const std::uint8_t> bytes);
    // The picture's size; for an animation, its canvas.
    int width() const { return m_width; }
    int height() const { return m_height; }
    bool animated() const { return m_frames > 1; }

    // The picture (an animation's current frame) scaled down to
    // width x height, one opaque BGRX word a pixel, top row first; empty
    // when decoding failed.
    std::vector<std::uint32_t> scaled(int width, int height, std::uint32_t background);
    // The same at the picture's own size, with its transparency.
    std::vector<std::uint32_t> fullSize();
    // An animation's next frame composed on its canvas; its delay in ms,
    // which delay() tells for the frame shown.
    int advance();
    int delay() const { return m_delay; }

private:
    // The delay in ms, or -1 when the frame cannot be read.
    int composeFrame(unsigned index);
    ComPtr<IWICBitmapSource> stillSource(int width, int height);

    ComPtr<IWICImagingFactory> m_factory;
    ComPtr<IWICStream> m_stream;
    ComPtr<IWICBitmapDecoder> m_decoder;
    int m_width = 0;
    int m_height = 0;
    unsigned m_frames = 0;
    // An animation's canvas and what it shows, and what the current
    // frame's disposal restores before the next.
    unsigned m_frame = 0;
    int m_delay = 100;
    std::vector<std::uint32_t> m_canvas;
    std::vector<std::uint32_t> m_restore;
    RECT m_frameRect{};
    unsigned m_disposal = 0;
};
