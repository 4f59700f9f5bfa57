#include "qt/icoimage.h"

#include <QFile>
#include <QPixmap>

namespace {

constexpr qint64 kDirectorySize = 6;
constexpr qint64 kEntrySize = 16;
constexpr qint64 kInfoHeaderSize = 40;

// Little-endian fields, assembled byte by byte: callers check the bounds first.
quint16 word(const QByteArray &data, qint64 at)
{
    return quint16(quint8(data[at]) | quint8(data[at + 1]) << 8);
}

quint32 dword(const QByteArray &data, qint64 at)
{
    return word(data, at) | quint32(word(data, at + 2)) << 16;
}

} // namespace

QImage decodeIco(const QByteArray &data)
{
    if (data.size() < kDirectorySize + kEntrySize || word(data, 0) != 0 || word(data, 2) != 1
        || word(data, 4) == 0)
        return {};
    const int width = quint8(data[6]) ? quint8(data[6]) : 256;
    const int height = quint8(data[7]) ? quint8(data[7]) : 256;
    const qint64 imageSize = dword(data, 14);
    const qint64 offset = dword(data, 18);
    if (offset + imageSize > data.size() || imageSize < kInfoHeaderSize)
        return {};

    const qint64 headerSize = dword(data, offset);
    const qint32 headerWidth = qint32(dword(data, offset + 4));
    const qint32 headerHeight = qint32(dword(data, offset + 8));
    if (headerSize < kInfoHeaderSize || headerWidth != width || headerHeight != 2 * height
        || word(data, offset + 12) != 1 || word(data, offset + 14) != 24 || dword(data, offset + 16) != 0)
        return {};

    // Rows are padded to four bytes and stored bottom row first; the mask
    // follows the colours, a set bit marking a transparent pixel.
    const qint64 colourRow = (qint64(width) * 24 + 31) / 32 * 4;
    const qint64 maskRow = (qint64(width) + 31) / 32 * 4;
    const qint64 colours = offset + headerSize;
    const qint64 mask = colours + colourRow * height;
    if (headerSize + (colourRow + maskRow) * height > imageSize)
        return {};

    QImage image(width, height, QImage::Format_ARGB32);
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    for (int y = 0; y < height; ++y) {
        const uchar *pixel = bytes + colours + (height - 1 - y) * colourRow;
        const uchar *bits = bytes + mask + (height - 1 - y) * maskRow;
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x, pixel += 3) {
            const bool transparent = bits[x / 8] & (0x80 >> (x % 8));
            line[x] = transparent ? qRgba(0, 0, 0, 0) : qRgb(pixel[2], pixel[1], pixel[0]);
        }
    }
    return image;
}

QIcon applicationIcon()
{
    // The resources sit in a static library; naming their initialiser links them in.
    Q_INIT_RESOURCE(korinview);
    QFile file(QStringLiteral(":/korinview.ico"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QImage image = decodeIco(file.readAll());
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}
