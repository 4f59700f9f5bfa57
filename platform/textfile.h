#pragma once

#include <QByteArray>
#include <QString>

// Whether a regular file (not a directory) of that name exists, relative to
// the current directory.
bool FileExists(const QString &name);

// The codeset of the locale's legacy encoding: the part after '.' of LC_ALL,
// else LC_CTYPE, else LANG; empty when there is none.
QByteArray legacyCodeset();

// Decodes a readme's bytes: a byte-order mark selects UTF-16 LE, UTF-16 BE
// or UTF-8, otherwise the legacy codeset. Undecodable bytes become U+FFFD.
// Line breaks come out as CR LF and the text ends at its first NUL.
QString decodeText(const QByteArray &bytes, const QByteArray &codeset);

// Every CR LF, lone CR and lone LF as one CR LF.
QString normalizeLineBreaks(const QString &text);

// Reads and decodes a regular file of at most maxBytes. Raises EFOpenError
// when it cannot be opened (a FIFO, socket or device counts as such) and
// EInvalidOperation when it is larger than maxBytes; never blocks.
QString readTextFile(const QString &name, qint64 maxBytes);
