#include "windows/picturedecoder.h"

#include "core/imagefit.h"
#include "core/pictureheader.h"

#include <algorithm>
#include <cstring>
#include <functional>

// The decoder's own scaling, which the MinGW headers do not declare.
struct IWICBitmapSourceTransform : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE CopyPixels(const WICRect *rect, UINT width, UINT height, GUID *format,
                                                 WICBitmapTransformOptions transform, UINT stride, UINT size,
                                                 BYTE *buffer) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetClosestSize(UINT *width, UINT *height) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetClosestPixelFormat(GUID *format) = 0;
    virtual HRESULT STDMETHODCALLTYPE DoesSupportTransform(WICBitmapTransformOptions transform, BOOL *supported) = 0;
};
__CRT_UUID_DECL(IWICBitmapSourceTransform, 0x3b16811b, 0x6a43, 0x4ec9, 0xb7, 0x13, 0x3d, 0x5a, 0x0c, 0x13, 0xb9, 0x40)

namespace {

// Defined here rather than taken from libuuid, which lacks some of them in
// older MinGW releases.
constexpr CLSID kImagingFactory = {0xcacaf262, 0x9370, 0x4615, {0xa1, 0x3b, 0x9f, 0x55, 0x39, 0xda, 0x4c, 0x0a}};
constexpr GUID kBgra = {0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x0f}};
constexpr GUID kGif = {0x1f8a5601, 0x7d4d, 0x4cbd, {0x9c, 0x82, 0x1b, 0xc8, 0xd4, 0xee, 0xb9, 0xa5}};
constexpr GUID kShownKinds[] = {
    {0x19e4a5aa, 0x5662, 0x4fc5, {0xa0, 0xc0, 0x17, 0x58, 0x02, 0x8e, 0x10, 0x57}}, // JPEG
    {0x1b7cfaf4, 0x713f, 0x473c, {0xbb, 0xcd, 0x61, 0x37, 0x42, 0x5f, 0xae, 0xaf}}, // PNG
    {0x0af1d87e, 0xfcfe, 0x4188, {0xbd, 0xeb, 0xa7, 0x90, 0x64, 0x71, 0xcb, 0xe3}}, // BMP
    kGif,
};

// A frame's "/grctlext/Disposal": its area cleared to the background, or
// given back what was there before it, once its time is up.
constexpr unsigned kRestoreBackground = 2;
constexpr unsigned kRestorePrevious = 3;

// An unsigned number of a frame's or a file's metadata, or `otherwise`.
unsigned metadataNumber(IWICMetadataQueryReader *reader, const wchar_t *name, unsigned otherwise)
{
    if (!reader)
        return otherwise;
    PROPVARIANT value;
    PropVariantInit(&value);
    unsigned number = otherwise;
    if (SUCCEEDED(reader->GetMetadataByName(name, &value))) {
        if (value.vt == VT_UI1)
            number = value.bVal;
        else if (value.vt == VT_UI2)
            number = value.uiVal;
        else if (value.vt == VT_UI4)
            number = value.ulVal;
    }
    PropVariantClear(&value);
    return number;
}

ComPtr<IWICMetadataQueryReader> metadataOf(IWICBitmapFrameDecode *frame)
{
    ComPtr<IWICMetadataQueryReader> reader;
    frame->GetMetadataQueryReader(reader.put());
    return reader;
}

// Each shown pixel the average of the source pixels it covers, weighted by
// their opacity and laid over the background. `rows(first, count, out)`
// gives the source's BGRA rows.
std::vector<std::uint32_t> averageDown(int sourceWidth, int sourceHeight, int width, int height,
                                       std::uint32_t background,
                                       const std::function<bool(int, int, std::uint32_t *)> &rows)
{
    std::vector<int> columns(static_cast<std::size_t>(width) + 1);
    for (int x = 0; x <= width; ++x)
        columns[static_cast<std::size_t>(x)] = static_cast<int>(std::int64_t(x) * sourceWidth / width);
    std::vector<std::uint32_t> strip;
    std::vector<std::uint32_t> out(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    const std::uint64_t back[3] = {background & 0xff, (background >> 8) & 0xff, (background >> 16) & 0xff};
    for (int y = 0; y < height; ++y) {
        const int top = static_cast<int>(std::int64_t(y) * sourceHeight / height);
        const int count = static_cast<int>(std::int64_t(y + 1) * sourceHeight / height) - top;
        strip.resize(static_cast<std::size_t>(sourceWidth) * static_cast<std::size_t>(count));
        if (!rows(top, count, strip.data()))
            return {};
        for (int x = 0; x < width; ++x) {
            std::uint64_t sum[3] = {};
            std::uint64_t opacity = 0;
            for (int row = 0; row < count; ++row) {
                const std::uint32_t *p = strip.data() + std::size_t(row) * sourceWidth;
                for (int column = columns[x]; column < columns[x + 1]; ++column) {
                    const std::uint32_t pixel = p[column];
                    const std::uint32_t alpha = pixel >> 24;
                    opacity += alpha;
                    for (int c = 0; c < 3; ++c)
                        sum[c] += ((pixel >> (8 * c)) & 0xff) * alpha;
                }
            }
            const std::uint64_t whole = 255u * std::uint64_t(count) * std::uint64_t(columns[x + 1] - columns[x]);
            std::uint32_t shown = 0;
            for (int c = 0; c < 3; ++c)
                shown |= std::uint32_t((sum[c] + back[c] * (whole - opacity) + whole / 2) / whole) << (8 * c);
            out[std::size_t(y) * width + x] = shown;
        }
    }
    return out;
}

bool copyRows(IWICBitmapSource *source, int width, int first, int count, std::uint32_t *out)
{
    const WICRect rect{0, first, width, count};
    const UINT stride = static_cast<UINT>(width) * 4;
    return SUCCEEDED(
        source->CopyPixels(&rect, stride, stride * static_cast<UINT>(count), reinterpret_cast<BYTE *>(out)));
}

} // namespace

PictureDecoder::Opened PictureDecoder::open(std::span<const std::uint8_t> bytes)
{
    // Before any decoder sees it: Wine's decode the whole picture as they open it.
    if (const auto claimed = claimedPictureSize(bytes); claimed && !pictureSizeAllowed(claimed->width, claimed->height))
        return Opened::TooLarge;
    if (FAILED(CoCreateInstance(kImagingFactory, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IWICImagingFactory),
                                m_factory.putVoid())) ||
        FAILED(m_factory->CreateStream(m_stream.put())) ||
        FAILED(m_stream->InitializeFromMemory(const_cast<BYTE *>(bytes.data()), static_cast<DWORD>(bytes.size()))) ||
        FAILED(m_factory->CreateDecoderFromStream(m_stream.get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                                  m_decoder.put())))
        return Opened::NotPicture;
    GUID kind{};
    if (FAILED(m_decoder->GetContainerFormat(&kind)) ||
        std::find(std::begin(kShownKinds), std::end(kShownKinds), kind) == std::end(kShownKinds))
        return Opened::NotPicture;
    ComPtr<IWICBitmapFrameDecode> first;
    UINT width = 0;
    UINT height = 0;
    if (FAILED(m_decoder->GetFrameCount(&m_frames)) || m_frames == 0 || FAILED(m_decoder->GetFrame(0, first.put())) ||
        FAILED(first->GetSize(&width, &height)))
        return Opened::NotPicture;
    if (kind != kGif)
        m_frames = 1;
    if (m_frames > 1) {
        ComPtr<IWICMetadataQueryReader> screen;
        m_decoder->GetMetadataQueryReader(screen.put());
        width = metadataNumber(screen.get(), L"/logscrdesc/Width", width);
        height = metadataNumber(screen.get(), L"/logscrdesc/Height", height);
    }
    if (!pictureSizeAllowed(width, height))
        return Opened::TooLarge;
    m_width = static_cast<int>(width);
    m_height = static_cast<int>(height);
    if (m_frames > 1) {
        m_canvas.assign(std::size_t(width) * height, 0);
        m_delay = composeFrame(0);
        if (m_delay < 0)
            m_frames = 1;
    }
    return Opened::Picture;
}

int PictureDecoder::composeFrame(unsigned index)
{
    // What the frame before asked to be done with its area.
    const auto area = [this](auto &&each) {
        const LONG width = m_frameRect.right - m_frameRect.left;
        for (LONG y = m_frameRect.top; y < m_frameRect.bottom; ++y)
            for (LONG x = m_frameRect.left; x < m_frameRect.right; ++x)
                each(std::size_t(y) * m_width + x, std::size_t(y - m_frameRect.top) * width + (x - m_frameRect.left));
    };
    if (index == 0)
        std::fill(m_canvas.begin(), m_canvas.end(), 0);
    else if (m_disposal == kRestoreBackground)
        area([this](std::size_t at, std::size_t) { m_canvas[at] = 0; });
    else if (m_disposal == kRestorePrevious && !m_restore.empty())
        area([this](std::size_t at, std::size_t from) { m_canvas[at] = m_restore[from]; });

    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICBitmapSource> pixels;
    UINT width = 0;
    UINT height = 0;
    if (FAILED(m_decoder->GetFrame(index, frame.put())) || FAILED(frame->GetSize(&width, &height)) ||
        !pictureSizeAllowed(width, height) || FAILED(WICConvertBitmapSource(kBgra, frame.get(), pixels.put())))
        return -1;
    const ComPtr<IWICMetadataQueryReader> metadata = metadataOf(frame.get());
    const LONG left = static_cast<LONG>(metadataNumber(metadata.get(), L"/imgdesc/Left", 0));
    const LONG top = static_cast<LONG>(metadataNumber(metadata.get(), L"/imgdesc/Top", 0));
    m_frameRect = {std::min<LONG>(left, m_width), std::min<LONG>(top, m_height),
                   std::min<LONG>(left + LONG(width), m_width), std::min<LONG>(top + LONG(height), m_height)};
    m_disposal = metadataNumber(metadata.get(), L"/grctlext/Disposal", 0);
    m_restore.clear();
    if (m_disposal == kRestorePrevious) {
        m_restore.resize(std::size_t(m_frameRect.right - m_frameRect.left) * (m_frameRect.bottom - m_frameRect.top));
        area([this](std::size_t at, std::size_t to) { m_restore[to] = m_canvas[at]; });
    }
    std::vector<std::uint32_t> image(std::size_t(width) * height);
    if (!image.empty() && !copyRows(pixels.get(), static_cast<int>(width), 0, static_cast<int>(height), image.data()))
        return -1;
    area([&](std::size_t at, std::size_t) {
        const std::size_t x = at % m_width - left;
        const std::size_t y = at / m_width - top;
        const std::uint32_t pixel = image[y * width + x];
        if (pixel >> 24)
            m_canvas[at] = pixel;
    });
    // Browsers show a frame that asks for almost no time for a tenth of a
    // second, and so do we: such files expect it.
    const unsigned delay = metadataNumber(metadata.get(), L"/grctlext/Delay", 10);
    return delay < 2 ? 100 : static_cast<int>(delay) * 10;
}

int PictureDecoder::advance()
{
    m_frame = (m_frame + 1) % m_frames;
    const int delay = composeFrame(m_frame);
    m_delay = delay < 0 ? 100 : delay;
    return m_delay;
}

ComPtr<IWICBitmapSource> PictureDecoder::stillSource(int width, int height)
{
    ComPtr<IWICBitmapFrameDecode> frame;
    if (FAILED(m_decoder->GetFrame(0, frame.put())))
        return {};
    ComPtr<IWICBitmapSource> source = frame.as<IWICBitmapSource>();
    // The decoder's own scaling (a JPEG's, by eighths) to the smallest size
    // it makes that is not below the one shown.
    const auto transform = frame.as<IWICBitmapSourceTransform>();
    if (transform && (width < m_width || height < m_height)) {
        UINT closeWidth = static_cast<UINT>(width);
        UINT closeHeight = static_cast<UINT>(height);
        ComPtr<IWICBitmapScaler> scaler;
        if (SUCCEEDED(transform->GetClosestSize(&closeWidth, &closeHeight)) && closeWidth >= UINT(width) &&
            closeHeight >= UINT(height) && closeWidth < UINT(m_width) &&
            SUCCEEDED(m_factory->CreateBitmapScaler(scaler.put())) &&
            SUCCEEDED(scaler->Initialize(frame.get(), closeWidth, closeHeight, WICBitmapInterpolationModeFant)))
            source = scaler.as<IWICBitmapSource>();
    }
    ComPtr<IWICBitmapSource> converted;
    if (FAILED(WICConvertBitmapSource(kBgra, source.get(), converted.put())))
        return {};
    return converted;
}

std::vector<std::uint32_t> PictureDecoder::scaled(int width, int height, std::uint32_t background)
{
    if (width <= 0 || height <= 0)
        return {};
    if (m_frames > 1) {
        return averageDown(m_width, m_height, width, height, background,
                           [this](int first, int count, std::uint32_t *out) {
                               std::memcpy(out, m_canvas.data() + std::size_t(first) * m_width,
                                           std::size_t(count) * m_width * 4);
                               return true;
                           });
    }
    const ComPtr<IWICBitmapSource> source = stillSource(width, height);
    UINT sourceWidth = 0;
    UINT sourceHeight = 0;
    if (!source || FAILED(source->GetSize(&sourceWidth, &sourceHeight)))
        return {};
    return averageDown(static_cast<int>(sourceWidth), static_cast<int>(sourceHeight), width, height, background,
                       [&](int first, int count, std::uint32_t *out) {
                           return copyRows(source.get(), static_cast<int>(sourceWidth), first, count, out);
                       });
}

PictureDecoder::ForView PictureDecoder::forView(std::span<const std::uint8_t> bytes, int viewWidth, int viewHeight)
{
    ForView result;
    PictureDecoder decoder;
    result.opened = decoder.open(bytes);
    if (result.opened != Opened::Picture)
        return result;
    result.width = decoder.width();
    result.height = decoder.height();
    result.animated = decoder.animated();
    result.fit = fitAndCentre(result.width, result.height, viewWidth, viewHeight);
    if (result.fit.width > 0 && result.fit.height > 0) {
        result.shown = decoder.scaled(result.fit.width, result.fit.height, kBackground);
        if (result.shown.empty())
            result.opened = Opened::NotPicture;
    }
    return result;
}

std::vector<std::uint32_t> PictureDecoder::fullSize()
{
    if (m_frames > 1)
        return m_canvas;
    const ComPtr<IWICBitmapSource> source = stillSource(m_width, m_height);
    std::vector<std::uint32_t> out(std::size_t(m_width) * m_height);
    if (!source || !copyRows(source.get(), m_width, 0, m_height, out.data()))
        return {};
    return out;
}
