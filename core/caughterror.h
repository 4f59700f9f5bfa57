#pragma once

#include "core/errortext.h"

#include <exception>
#include <string>

// Where a code address lies: its module's file name and the offset into it,
// as the platform knows its modules.
using LocateAddress = FatalReport (*)(const void *address);

// The fatal format for an error. It names the error's class, the module
// and offset of the code that made it (of `catchAddress` for an error that
// does not know), and its message.
std::u16string caughtFatalText(std::exception_ptr error, LocateAddress locate, const void *catchAddress);

// What the application's event guard does with an error that escaped a
// handler: an EAbort is dropped without a word, any other Exception goes to
// the error box with its text, anything else with the fatal format.
struct GuardReport
{
    enum class Kind { Silent, ErrorBox, Fatal };
    Kind kind;
    std::u16string text;
};
GuardReport guardReport(std::exception_ptr error, LocateAddress locate, const void *catchAddress);
