#pragma once

#include <QByteArray>

#include <cstdint>

// The locale the environment names for one category, as the C library reads
// it: LC_ALL, else the category's own variable ("LC_CTYPE", "LC_MESSAGES"),
// else LANG; empty when none is set.
QByteArray processLocale(const char *category);

// The system's default language as a Windows language identifier, taken
// from the process locale: LC_ALL, else LC_MESSAGES, else LANG.
std::uint16_t SystemDefaultLangID();
