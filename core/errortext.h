#pragma once

#include <cstdint>
#include <string>

class Exception;

// Appends a full stop when the last UTF-16 code unit is above '.'.
std::u16string withFullStop(const std::u16string &text);

// The text an error box shows: the message of the innermost error in the chain
// whose message is not empty, with the full-stop rule applied.
std::u16string errorBoxText(const Exception &error);

struct FatalReport
{
    std::u16string className;
    std::u16string moduleName;
    std::uintptr_t offset = 0;
    std::u16string message;
};

// "Exception %s in module %s at %p.\r\n%s%s\r\n", cut to the box's limit.
std::u16string fatalText(const FatalReport &report);

inline constexpr std::size_t kFatalTextLimit = 1024;
inline constexpr std::size_t kFatalCaptionLimit = 63;
inline constexpr char16_t kFatalCaption[] = u"Application Error";
