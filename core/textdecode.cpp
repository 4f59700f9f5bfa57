#include "core/textdecode.h"

namespace {

std::u16string decodeUtf16(std::string_view bytes, bool bigEndian)
{
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        text += bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first);
    }
    return text;
}

} // namespace

std::u16string normalizeLineBreaks(std::u16string_view text)
{
    std::u16string result;
    result.reserve(text.size() + text.size() / 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            result += u"\r\n";
        } else if (c == u'\n') {
            result += u"\r\n";
        } else {
            result += c;
        }
    }
    return result;
}

std::u16string decodeText(std::string_view bytes, const MultiByteDecoder &decoder)
{
    std::u16string text;
    if (bytes.starts_with("\xFF\xFE"))
        text = decodeUtf16(bytes.substr(2), false);
    else if (bytes.starts_with("\xFE\xFF"))
        text = decodeUtf16(bytes.substr(2), true);
    else if (bytes.starts_with("\xEF\xBB\xBF"))
        text = decoder.utf8(bytes.substr(3));
    else
        text = decoder.ansi(bytes);
    // The memo takes its text as a NUL-terminated string.
    if (const auto nul = text.find(u'\0'); nul != std::u16string::npos)
        text.resize(nul);
    return normalizeLineBreaks(text);
}
