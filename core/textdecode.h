#pragma once

#include <functional>
#include <string>
#include <string_view>

// How the platform turns multi-byte text into UTF-16: its ANSI code page (or
// legacy locale codeset), and UTF-8. Neither fails: what cannot be converted
// becomes the platform's substitute characters.
struct MultiByteDecoder
{
    std::function<std::u16string(std::string_view bytes)> ansi;
    std::function<std::u16string(std::string_view bytes)> utf8;
};

// Decodes a readme's bytes: a byte-order mark selects UTF-16 LE, UTF-16 BE
// or UTF-8 (tested in that order, the mark skipped), otherwise the ANSI code
// page. Line breaks come out as CR LF and the text ends at its first NUL, as
// the memo takes it.
std::u16string decodeText(std::string_view bytes, const MultiByteDecoder &decoder);

// Every CR LF, lone CR and lone LF as one CR LF.
std::u16string normalizeLineBreaks(std::u16string_view text);
