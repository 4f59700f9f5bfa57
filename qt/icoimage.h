#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>

// Decodes the first image of an ICO file holding an uncompressed 24-bit
// bitmap and its 1-bit mask into ARGB32, masked pixels fully transparent.
// Anything else, or a file whose parts do not fit inside it, gives a null
// image. Qt's own ICO reader drops the mask of 24-bit images.
QImage decodeIco(const QByteArray &data);

// The program's icon, from the resources; also the window's.
QIcon applicationIcon();
