#include "platform/jpegimage.h"

#include "core/jpegdecode.h"

QImage decodeJpeg(const QByteArray &data)
{
    const auto picture = decodeJpeg(std::span(reinterpret_cast<const std::uint8_t *>(data.constData()),
                                              static_cast<std::size_t>(data.size())),
                                    4);
    if (!picture)
        return {};
    // A copy: the image outlives the decoded buffer.
    return QImage(picture->pixels.data(), picture->width, picture->height, static_cast<qsizetype>(picture->stride),
                  QImage::Format_RGB888)
        .copy();
}
