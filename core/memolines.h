#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The description box's lines as text: lines separated by CR LF, a text
// ending in a line break showing an empty last line.

// Largest text the box takes, in UTF-16 code units: far more than any
// description, small enough that laying it out keeps the window responsive.
inline constexpr std::size_t kMemoCapacity = 1 << 20;
// Largest readme read at all; a larger file is refused before reading.
inline constexpr std::size_t kMemoFileLimit = 4 << 20;

inline constexpr char16_t kMemoCapacityText[] = u"Text exceeds memo capacity";

// EInvalidOperation, "Text exceeds memo capacity": for a text over the
// capacity, a readme over the file limit, or a text the box refuses.
[[noreturn]] void raiseMemoCapacity();
// Raises it for a text of more than kMemoCapacity code units.
void checkMemoCapacity(std::size_t length);

// The text after appending a line: the line and a break at the end of a text
// that ends with one (or is empty), else a break and then the line.
std::u16string appendLine(std::u16string_view text, std::u16string_view line);
