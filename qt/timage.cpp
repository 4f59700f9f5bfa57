#include "qt/timage.h"

#include "qt/jpegimage.h"

#include <QFile>
#include <QPainter>

// At file scope: the resource initialiser is declared where it is used.
static QByteArray designedPicture()
{
    // The resources sit in a static library; naming their initialiser links them in.
    Q_INIT_RESOURCE(korinview);
    QFile file(QStringLiteral(":/qrcode.jpg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TImage::TImage(QWidget *parent) : TImage(designedPicture(), parent) {}

TImage::TImage(QByteArray jpeg, QWidget *parent) : QWidget(parent), m_jpeg(std::move(jpeg))
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TImage::paintEvent(QPaintEvent *)
{
    if (!m_decoded) {
        m_decoded = true;
        m_picture = decodeJpeg(m_jpeg);
    }
    if (m_picture.isNull() || width() <= 0 || height() <= 0)
        return;
    // Qt's fast scaling samples the nearest pixel. Scaled to device pixels so
    // the painter has nothing left to smooth; kept until the box changes size.
    const qreal ratio = devicePixelRatioF();
    const QSize target = (QSizeF(size()) * ratio).toSize();
    if (m_scaled.size() != target) {
        m_scaled = m_picture.scaled(target, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        m_scaled.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    painter.drawImage(0, 0, m_scaled);
}
