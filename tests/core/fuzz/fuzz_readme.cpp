// Drives readme decoding with arbitrary bytes behind each byte-order mark
// and with several legacy codesets; checks what the memo is promised.

#include "core/textdecode.h"
#include "qt/textfile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    static const char *const marks[] = {"", "\xFF\xFE", "\xFE\xFF", "\xEF\xBB\xBF"};
    static const char *const codesets[] = {"", "GBK", "UTF-8", "BIG5", "ISO-8859-1"};
    const QByteArray bytes = QByteArray(marks[data[0] % 4])
                             + QByteArray(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));
    const QString text = decodeText(bytes, codesets[(data[0] / 4) % 5]);

    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\0')
            std::abort(); // the text ends at its first NUL
        if (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'))
            std::abort(); // every break is CR LF
        if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r'))
            std::abort();
    }
    if (normalizeLineBreaks(text.toStdU16String()) != text.toStdU16String())
        std::abort(); // normalising twice changes nothing
    return 0;
}
