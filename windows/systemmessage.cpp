#include "windows/systemmessage.h"

#include "core/exception.h"

#include <windows.h>

std::u16string systemMessage(std::uint32_t code)
{
    wchar_t *buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t *>(&buffer), 0, nullptr);
    if (!buffer)
        return {};
    std::u16string text = trimMessage({reinterpret_cast<const char16_t *>(buffer), length});
    LocalFree(buffer);
    return text;
}

void raiseLastError()
{
    const DWORD code = GetLastError();
    throw EOSError(resultCodeText(static_cast<std::int32_t>(code), systemMessage(code)), code);
}
