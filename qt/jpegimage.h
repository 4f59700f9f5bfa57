#pragma once

#include <QByteArray>
#include <QImage>

// Decodes a JPEG held in memory at full size into 24-bit RGB. A damaged or
// unsupported picture, or one that libjpeg only decodes with warnings (such
// as missing data it would fill with grey), gives a null image.
QImage decodeJpeg(const QByteArray &data);
