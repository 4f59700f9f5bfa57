#pragma once

#include "core/errortext.h"

#include <string>

// Where a code address lies: its module's file name and the offset into it,
// as the platform knows its modules.
using LocateAddress = FatalReport (*)(const void *address);

// The fatal format for the error being handled; call inside a catch block.
// It names the error's class, the module and offset of the code that made
// it (of `catchAddress` for an error that does not know), and its message.
std::u16string caughtFatalText(LocateAddress locate, const void *catchAddress);
