#include "core/pictureheader.h"

#include <algorithm>

namespace {

std::int64_t bigEndian16(std::span<const std::uint8_t> b, std::size_t at)
{
    return std::int64_t(b[at]) << 8 | b[at + 1];
}

std::int64_t bigEndian32(std::span<const std::uint8_t> b, std::size_t at)
{
    return bigEndian16(b, at) << 16 | bigEndian16(b, at + 2);
}

std::int64_t littleEndian16(std::span<const std::uint8_t> b, std::size_t at)
{
    return std::int64_t(b[at + 1]) << 8 | b[at];
}

std::int64_t littleEndian32(std::span<const std::uint8_t> b, std::size_t at)
{
    return littleEndian16(b, at + 2) << 16 | littleEndian16(b, at);
}

bool startsWith(std::span<const std::uint8_t> bytes, std::initializer_list<std::uint8_t> prefix)
{
    return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

// The first frame header's size; markers before it are skipped by their
// lengths, as a decoder skips them.
std::optional<ClaimedSize> jpegSize(std::span<const std::uint8_t> b)
{
    std::size_t at = 2;
    while (at + 4 <= b.size()) {
        if (b[at] != 0xff)
            return std::nullopt;
        const std::uint8_t marker = b[at + 1];
        if (marker == 0xff) {
            ++at;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xd0 && marker <= 0xd7)) {
            at += 2;
            continue;
        }
        const bool frame = marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc;
        if (frame)
            return at + 9 <= b.size() ? std::optional<ClaimedSize>({bigEndian16(b, at + 7), bigEndian16(b, at + 5)})
                                      : std::nullopt;
        if (marker == 0xda)
            return std::nullopt;
        at += 2 + static_cast<std::size_t>(bigEndian16(b, at + 2));
    }
    return std::nullopt;
}

} // namespace

std::optional<ClaimedSize> claimedPictureSize(std::span<const std::uint8_t> bytes)
{
    if (startsWith(bytes, {0xff, 0xd8}))
        return jpegSize(bytes);
    if (startsWith(bytes, {0x89, 'P', 'N', 'G', 0x0d, 0x0a, 0x1a, 0x0a}) && bytes.size() >= 24)
        return ClaimedSize{bigEndian32(bytes, 16), bigEndian32(bytes, 20)};
    if (startsWith(bytes, {'G', 'I', 'F', '8'}) && bytes.size() >= 10)
        return ClaimedSize{littleEndian16(bytes, 6), littleEndian16(bytes, 8)};
    if (startsWith(bytes, {'B', 'M'}) && bytes.size() >= 26) {
        // An old OS/2 header holds 16-bit sizes; every later one 32-bit,
        // the height negative for a picture stored top row first.
        if (littleEndian32(bytes, 14) == 12)
            return ClaimedSize{littleEndian16(bytes, 18), littleEndian16(bytes, 20)};
        const auto height = static_cast<std::int32_t>(static_cast<std::uint32_t>(littleEndian32(bytes, 22)));
        return ClaimedSize{static_cast<std::int32_t>(static_cast<std::uint32_t>(littleEndian32(bytes, 18))),
                           height < 0 ? -std::int64_t(height) : height};
    }
    return std::nullopt;
}
