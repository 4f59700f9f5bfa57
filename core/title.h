#pragma once

#include <string>
#include <string_view>

// The main window's title.
inline constexpr char16_t kWindowTitle[] = u"Korinview";

// Caption of every error box: the executable's file name (what follows the
// last separator) up to its first dot, every character after the first
// lower-cased by the system's rule, which the caller passes in.
using LowerCase = std::u16string (*)(std::u16string_view text);
std::u16string titleFromExecutablePath(std::u16string_view path, char16_t separator, LowerCase lowerCase);
