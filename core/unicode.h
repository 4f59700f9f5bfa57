#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The launcher's text is UTF-16; the build's configured values and a few
// system texts come as UTF-8.
std::u16string fromUtf8(std::string_view utf8);
std::string toUtf8(std::u16string_view utf16);

// ASCII text widened code unit by code unit.
std::u16string fromAscii(std::string_view ascii);

// value as upper-case hexadecimal, zero-padded to at least `digits`.
std::u16string hexDigits(std::uint64_t value, int digits);
