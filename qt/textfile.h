#pragma once

#include <QByteArray>
#include <QString>

// Whether a regular file (not a directory) of that name exists, relative to
// the current directory.
bool FileExists(const QString &name);

// The codeset of the locale's legacy encoding: the part after '.' of LC_ALL,
// else LC_CTYPE, else LANG; empty when there is none.
QByteArray legacyCodeset();

// Decodes a readme's bytes as the shared rule says, the legacy codeset
// standing for the ANSI code page. Undecodable bytes become U+FFFD.
QString decodeText(const QByteArray &bytes, const QByteArray &codeset);

// Reads and decodes a regular file of at most maxBytes. Raises EFOpenError
// when it cannot be opened (a FIFO, socket or device counts as such) and
// EInvalidOperation when it is larger than maxBytes; never blocks.
QString readTextFile(const QString &name, qint64 maxBytes);
