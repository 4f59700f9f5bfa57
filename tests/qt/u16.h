#pragma once

// The shared behaviour speaks std::u16string; the tests compare in QString,
// which QTest prints when a comparison fails.

#include "qt/utf16.h"

#include <QString>

#include <string>

inline QString qs(const std::u16string &text)
{
    return toQString(text);
}

inline std::u16string u16(const QString &text)
{
    return text.toStdU16String();
}
