#pragma once

#include <QString>

class Exception;

// Appends a full stop when the last UTF-16 code unit is above '.'.
QString withFullStop(const QString &text);

// The text an error box shows: the message of the innermost error in the chain
// whose message is not empty, with the full-stop rule applied.
QString errorBoxText(const Exception &error);

struct FatalReport
{
    QString className;
    QString moduleName;
    quintptr offset = 0;
    QString message;
};

// "Exception %s in module %s at %p.\r\n%s%s\r\n", cut to the box's limit.
QString fatalText(const FatalReport &report);

// Resolves a code address to its module's file name and the offset into it;
// an address outside every module is shown less 4096 against the program.
FatalReport locateAddress(const void *address);

inline constexpr int kFatalTextLimit = 1024;
inline constexpr int kFatalCaptionLimit = 63;
