#pragma once

#include <QString>

// Caption of every error box: the executable's file name up to its first
// dot, every character after the first lower-cased.
QString titleFromExecutablePath(const QString &path);

// The running executable's path, as the kernel knows it.
QString executablePath();
