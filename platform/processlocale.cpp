#include "platform/processlocale.h"

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
