#pragma once

#include <cstddef>
#include <string>

// Whether a file (not a directory) of that name exists, relative to the
// current directory: its attributes, or where the system will not give them
// (access denied, a sharing violation), a directory search for it.
bool FileExists(const std::u16string &name);

// Reads and decodes a file of at most maxBytes, shared for reading only.
// Raises EFOpenError, naming the full path and the system's reason, when it
// cannot be opened or is not a file on disk, and EInvalidOperation when it
// is larger than maxBytes.
std::u16string readTextFile(const std::u16string &name, std::size_t maxBytes);
