#pragma once

#include <QString>

#include <string_view>

// The shared code's UTF-16 text as a QString, code unit for code unit. The
// toolkit's own conversions from UTF-16 read a leading U+FEFF or U+FFFE as a
// byte-order mark and drop or byte-swap the rest; in a text already decoded
// it is a character like any other.
inline QString toQString(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar *>(text.data()), static_cast<qsizetype>(text.size()));
}
