#pragma once

#include <QByteArray>

// The locale the environment names for one category, as the C library reads
// it: LC_ALL, else the category's own variable ("LC_CTYPE", "LC_MESSAGES"),
// else LANG; empty when none is set.
QByteArray processLocale(const char *category);
