#pragma once

#include "core/errortext.h"

#include <QString>

// Resolves a code address to its module's file name and the offset into it;
// an address outside every module is shown less 4096 against the program.
FatalReport locateAddress(const void *address);

// The running executable's path, as the kernel knows it.
QString executablePath();
