#include "core/systemtext.h"

#include "core/exception.h"

namespace {

bool isSpace(char16_t c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r') || c == u'\x85' || c == u'\xA0' || c == u'\u1680'
           || (c >= u'\u2000' && c <= u'\u200A') || c == u'\u2028' || c == u'\u2029' || c == u'\u202F'
           || c == u'\u205F' || c == u'\u3000';
}

bool isControl(char16_t c)
{
    return c < u' ' || (c >= u'\x7F' && c <= u'\x9F');
}

} // namespace

std::u16string trimMessage(std::u16string_view text)
{
    std::size_t end = text.size();
    while (end > 0 && (isSpace(text[end - 1]) || isControl(text[end - 1]) || text[end - 1] == u'.'))
        --end;
    return std::u16string(text.substr(0, end));
}

std::u16string openErrorText(std::u16string_view fullPath, std::u16string_view systemMessage)
{
    return u"Cannot open file \"" + std::u16string(fullPath) + u"\". " + trimMessage(systemMessage);
}

std::u16string resultCodeText(std::int32_t code, std::u16string_view systemMessage)
{
    if (std::u16string text = trimMessage(systemMessage); !text.empty())
        return text;
    switch (static_cast<std::uint32_t>(code)) {
    case 0x80004005u:
        return u"Unspecified error";
    case 0x80004001u:
        return u"Not implemented";
    case 0x80004002u:
        return u"No such interface supported";
    default:
        return oleErrorText(code);
    }
}
