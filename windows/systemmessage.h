#pragma once

#include "core/systemtext.h"

#include <cstdint>
#include <string>
#include <string_view>

// The system's text for a Win32 error code or an HRESULT, trimmed as
// trimMessage does; empty when the system has none.
std::u16string systemMessage(std::uint32_t code);

// Raises EOSError for the calling thread's last error, with the system's text
// for it (or the code in hexadecimal where the system has none).
[[noreturn]] void raiseLastError();
