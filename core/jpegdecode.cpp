#include "core/jpegdecode.h"

#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <cstdio> // jpeglib.h uses FILE without including it
#include <limits>

#include <jpeglib.h>

namespace {

// libjpeg reports a fatal error by calling error_exit, whose default ends the
// process; ours jumps back into the decoder instead. The functions that set
// the jump point hold nothing with a destructor, so nothing is skipped.
struct Decoder
{
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    std::jmp_buf failure;

    Decoder()
    {
        info.err = jpeg_std_error(&errors);
        errors.error_exit = &Decoder::fail;
        errors.output_message = &Decoder::quiet;
        jpeg_create_decompress(&info);
    }
    ~Decoder() { jpeg_destroy_decompress(&info); }
    Decoder(const Decoder &) = delete;
    Decoder &operator=(const Decoder &) = delete;

    [[noreturn]] static void fail(j_common_ptr common)
    {
        // info is the first member, so the library's pointer is the decoder's.
        std::longjmp(reinterpret_cast<Decoder *>(common)->failure, 1);
    }
    static void quiet(j_common_ptr) {}
};

bool startDecoding(Decoder &decoder, std::span<const std::uint8_t> data)
{
    if (setjmp(decoder.failure))
        return false;
    jpeg_mem_src(&decoder.info, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&decoder.info, TRUE);
    decoder.info.scale_num = 1;
    decoder.info.scale_denom = 1;
    decoder.info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&decoder.info);
    return decoder.info.output_components == 3;
}

bool readRows(Decoder &decoder, std::uint8_t *bits, std::size_t stride)
{
    if (setjmp(decoder.failure))
        return false;
    while (decoder.info.output_scanline < decoder.info.output_height) {
        JSAMPROW row = bits + decoder.info.output_scanline * stride;
        jpeg_read_scanlines(&decoder.info, &row, 1);
    }
    jpeg_finish_decompress(&decoder.info);
    return decoder.errors.num_warnings == 0;
}

} // namespace

bool decodeJpeg(std::span<const std::uint8_t> data, const PictureRows &rows)
{
    if (data.empty())
        return false;
    Decoder decoder;
    if (!startDecoding(decoder, data))
        return false;
    const std::uint64_t width = decoder.info.output_width;
    const std::uint64_t height = decoder.info.output_height;
    if (!withinPictureLimit(width, height, width * 3))
        return false;
    std::size_t stride = 0;
    std::uint8_t *bits = rows(static_cast<int>(width), static_cast<int>(height), stride);
    return bits && stride >= width * 3 && readRows(decoder, bits, stride);
}

std::optional<RgbPicture> decodeJpeg(std::span<const std::uint8_t> data, std::size_t rowAlignment)
{
    RgbPicture picture;
    const bool decoded = decodeJpeg(data, [&](int width, int height, std::size_t &stride) {
        picture.width = width;
        picture.height = height;
        const std::size_t row = std::size_t(width) * 3;
        picture.stride = stride = (row + rowAlignment - 1) / rowAlignment * rowAlignment;
        picture.pixels.resize(picture.stride * std::size_t(height));
        return picture.pixels.data();
    });
    if (!decoded)
        return std::nullopt;
    return picture;
}
