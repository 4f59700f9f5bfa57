#include "windows/textfile.h"

#include "core/exception.h"
#include "core/memolines.h"
#include "core/systemtext.h"
#include "core/textdecode.h"
#include "windows/systemmessage.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace {

const wchar_t *wide(const std::u16string &text)
{
    return reinterpret_cast<const wchar_t *>(text.c_str());
}

struct HandleCloser
{
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

std::u16string fullPath(const std::u16string &name)
{
    const DWORD length = GetFullPathNameW(wide(name), 0, nullptr, nullptr);
    if (length == 0)
        return name;
    std::u16string path(length, u'\0');
    const DWORD written = GetFullPathNameW(wide(name), length, reinterpret_cast<wchar_t *>(path.data()), nullptr);
    path.resize(written < length ? written : 0);
    return path.empty() ? name : path;
}

[[noreturn]] void raiseOpenError(const std::u16string &name, DWORD error)
{
    throw EFOpenError(openErrorText(fullPath(name), systemMessage(error)));
}

std::u16string convert(UINT codePage, DWORD flags, std::string_view bytes)
{
    if (bytes.empty())
        return {};
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, flags, bytes.data(), size, nullptr, 0);
    if (length <= 0)
        return {};
    std::u16string text(static_cast<std::size_t>(length), u'\0');
    MultiByteToWideChar(codePage, flags, bytes.data(), size, reinterpret_cast<wchar_t *>(text.data()), length);
    return text;
}

// Strict first; a text with an invalid sequence is then converted again with
// the system's substitutes, so one bad byte does not empty the description.
std::u16string fromUtf8(std::string_view bytes)
{
    if (bytes.empty())
        return {};
    std::u16string text = convert(CP_UTF8, MB_ERR_INVALID_CHARS, bytes);
    return text.empty() ? convert(CP_UTF8, 0, bytes) : text;
}

const MultiByteDecoder kDecoder{[](std::string_view bytes) { return convert(CP_ACP, 0, bytes); }, fromUtf8};

} // namespace

bool FileExists(const std::u16string &name)
{
    const DWORD attributes = GetFileAttributesW(wide(name));
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_NAME)
        return false;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(wide(name), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::u16string readTextFile(const std::u16string &name, std::size_t maxBytes)
{
    const HANDLE opened = CreateFileW(wide(name), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        raiseOpenError(name, GetLastError());
    const FileHandle file(opened);
    // Only a file on disk has a size to read up to: a pipe or a device could
    // block or never end.
    if (GetFileType(file.get()) != FILE_TYPE_DISK)
        raiseOpenError(name, ERROR_NOT_SUPPORTED);
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size))
        raiseOpenError(name, GetLastError());
    if (static_cast<unsigned long long>(size.QuadPart) > maxBytes)
        raiseMemoCapacity();

    std::vector<char> bytes(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got, nullptr))
            raiseOpenError(name, GetLastError());
        if (got == 0)
            break;
        done += got;
    }
    return decodeText(std::string_view(bytes.data(), done), kDecoder);
}
