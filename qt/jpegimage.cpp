#include "qt/jpegimage.h"

#include "core/jpegdecode.h"

QImage decodeJpeg(const QByteArray &data)
{
    // Straight into the image's own rows: a second buffer would cost more
    // than the decoding.
    QImage image;
    const bool decoded = decodeJpeg(std::span(reinterpret_cast<const std::uint8_t *>(data.constData()),
                                              static_cast<std::size_t>(data.size())),
                                    [&image](int width, int height, std::size_t &stride) -> std::uint8_t * {
                                        image = QImage(width, height, QImage::Format_RGB888);
                                        if (image.isNull())
                                            return nullptr;
                                        stride = static_cast<std::size_t>(image.bytesPerLine());
                                        return image.bits();
                                    });
    return decoded ? image : QImage();
}
