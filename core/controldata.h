#pragma once

#include <cstdint>
#include <vector>

// The persisted state a web view's browser control starts from, for a view
// of the given size in 120-dpi design pixels: 156 bytes, the first four
// holding 76, then the extent, width and height in HIMETRIC (0.01 mm), then
// from byte 76 an empty Shell Link (a header naming no target, then the
// terminal block), so that the view shows nothing until its first
// navigation.
std::vector<std::uint8_t> browserControlData(int designWidth, int designHeight);
