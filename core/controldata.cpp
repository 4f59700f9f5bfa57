#include "core/controldata.h"

#include "core/scaling.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace {

constexpr int kHimetricPerInch = 2540;
constexpr std::size_t kControlDataSize = 156;
constexpr std::size_t kShellLinkOffset = 76;
constexpr std::uint32_t kShellLinkHeaderSize = 0x4C;
// The Shell Link header's LinkCLSID, {00021401-0000-0000-C000-000000000046},
// in its serialised byte order.
constexpr std::uint8_t kShellLinkClass[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                              0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

void put32(std::vector<std::uint8_t> &data, std::size_t offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        data[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

} // namespace

std::vector<std::uint8_t> browserControlData(int designWidth, int designHeight)
{
    std::vector<std::uint8_t> data(kControlDataSize);
    put32(data, 0, 76);
    put32(data, 4, static_cast<std::uint32_t>(mulDiv(designWidth, kHimetricPerInch, kDesignPixelsPerInch)));
    put32(data, 8, static_cast<std::uint32_t>(mulDiv(designHeight, kHimetricPerInch, kDesignPixelsPerInch)));
    put32(data, kShellLinkOffset, kShellLinkHeaderSize);
    std::copy(std::begin(kShellLinkClass), std::end(kShellLinkClass), data.begin() + kShellLinkOffset + 4);
    return data;
}
