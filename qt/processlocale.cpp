#include "qt/processlocale.h"

#include "core/language.h"

#include <cstdlib>

QByteArray processLocale(const char *category)
{
    for (const char *variable : {"LC_ALL", category, "LANG"}) {
        const char *value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return {};
}

std::uint16_t SystemDefaultLangID()
{
    return langIdFromLocale(processLocale("LC_MESSAGES").toStdString());
}
