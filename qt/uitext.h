#pragma once

#include "core/language.h"
#include "qt/utf16.h"

#include <QLocale>

// A text of core's table in the interface language, which the toolkit's
// default locale follows.
inline QString uiText(UserText which)
{
    return toQString(userText(which, QLocale().language() == QLocale::Chinese));
}
