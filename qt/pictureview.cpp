#include "qt/pictureview.h"

#include "core/imagefit.h"
#include "qt/shellopen.h"
#include "qt/uitext.h"

#include <QAccessibleWidget>
#include <QClipboard>
#include <QColorSpace>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QImageReader>
#include <QMenu>
#include <QMovie>
#include <QPainter>

#include <algorithm>
#include <iterator>

namespace {

// The engine's image document background.
constexpr QColor kBackground(14, 14, 14);

// What the engine shows as an image document; any other kind the toolkit
// reads (an SVG drawing, say) it shows as a page of its own.
bool isPictureFormat(const QByteArray &format)
{
    static const QByteArray kinds[] = {"jpeg", "jpg", "png", "gif", "bmp", "webp"};
    return std::find(std::begin(kinds), std::end(kinds), format.toLower()) != std::end(kinds);
}

QAccessibleInterface *accessiblePicture(const QString &className, QObject *object)
{
    if (className != QLatin1String("PictureView"))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
}

// The engine names an image document by the address's last path segment,
// else its host, and the picture's size.
QString pictureTitle(const QUrl &address, const QSize &size)
{
    QString name = address.fileName(QUrl::FullyDecoded);
    if (name.isEmpty())
        name = address.host();
    return toQString(pictureName(name.toStdU16String(), size.width(), size.height()));
}

// The picture in bytes, scaled in decoding to size (as shown, after the
// camera's turn) when that is valid, else at full size; for an animation the
// frame numbered frame.
QImage decodePicture(const QByteArray &bytes, const QSize &size, int frame = 0)
{
    QBuffer source;
    source.setData(bytes);
    source.open(QIODevice::ReadOnly);
    QImageReader reader(&source);
    // Turned as its camera says, as the engine turns it.
    reader.setAutoTransform(true);
    // Scaling comes before the turn.
    if (size.isValid())
        reader.setScaledSize(reader.transformation() & QImageIOHandler::TransformationRotate90 ? size.transposed() : size);
    QImage image;
    for (int i = 0; i <= frame; ++i) {
        if (!reader.read(&image))
            return {};
    }
    if (image.colorSpace().isValid() && image.colorSpace() != QColorSpace::SRgb)
        image.convertToColorSpace(QColorSpace::SRgb);
    return image;
}

} // namespace

PictureView::PictureView(QWidget *parent) : QWidget(parent)
{
    static const bool roleInstalled = [] {
        QAccessible::installFactory(accessiblePicture);
        return true;
    }();
    (void)roleInstalled;
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    hide();
}

PictureView::~PictureView() = default;

PictureView::Outcome PictureView::setPicture(const QUrl &address, const QByteArray &bytes)
{
    QBuffer source;
    source.setData(bytes);
    source.open(QIODevice::ReadOnly);
    QImageReader reader(&source);
    reader.setAutoTransform(true);
    if (!reader.canRead() || !isPictureFormat(reader.format()))
        return Outcome::NotPicture;
    // Judged by what the header claims, before a byte is decoded.
    QSize size = reader.size();
    if (!pictureSizeAllowed(size.width(), size.height()))
        return Outcome::TooLarge;
    if (reader.transformation() & QImageIOHandler::TransformationRotate90)
        size.transpose();
    const bool animated = reader.supportsAnimation() && reader.imageCount() != 1;
    QImage image = decodePicture(bytes, shownSize(size));
    if (image.isNull())
        return Outcome::NotPicture;

    m_animation.reset();
    m_animationSource.close();
    m_bytes = bytes;
    m_size = size;
    m_image = image;
    if (animated) {
        m_animationSource.setBuffer(&m_bytes);
        m_animationSource.open(QIODevice::ReadOnly);
        m_animation = std::make_unique<QMovie>(&m_animationSource);
        m_animation->setScaledSize(image.size());
        connect(m_animation.get(), &QMovie::frameChanged, this, qOverload<>(&QWidget::update));
        m_animation->start();
    }
    m_address = address;
    m_title = pictureTitle(address, size);
    setAccessibleName(m_title);
    m_scaled = {};
    update();
    return Outcome::Shown;
}

QImage PictureView::frame() const
{
    if (m_animation && !m_animation->currentImage().isNull())
        return m_animation->currentImage();
    return m_image;
}

QSize PictureView::shownSize(const QSize &pictureSize) const
{
    const ImageFit fit = fitAndCentre(pictureSize.width(), pictureSize.height(), width(), height());
    const qreal ratio = devicePixelRatioF();
    return {qMax(1, qRound(fit.width * ratio)), qMax(1, qRound(fit.height * ratio))};
}

void PictureView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    if (m_size.isEmpty())
        return;
    // Placed and sized in device pixels, so the picture is sharp at any
    // screen scale; decoded again at a new size, as an animation's frames
    // are from the next one on.
    const QSize size = shownSize(m_size);
    if (m_animation) {
        if (m_animation->scaledSize() != size)
            m_animation->setScaledSize(size);
    } else if (m_image.size() != size) {
        m_image = decodePicture(m_bytes, size);
    }
    const QImage source = frame();
    if (source.isNull())
        return;
    const ImageFit fit = fitAndCentre(m_size.width(), m_size.height(), width(), height());
    const qreal ratio = devicePixelRatioF();
    if (m_scaled.size() != size || m_scaledFrom != source.cacheKey()) {
        m_scaled = source.size() == size ? source : source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_scaled.setDevicePixelRatio(ratio);
        m_scaledFrom = source.cacheKey();
    }
    painter.drawImage(QPointF(qRound(fit.left * ratio) / ratio, qRound(fit.top * ratio) / ratio), m_scaled);
}

void PictureView::contextMenuEvent(QContextMenuEvent *event)
{
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The picture as the engine copies it, at its full size: decoded from
    // the answer when asked for, so that only the clipboard holds it.
    const QByteArray bytes = m_bytes;
    const int shownFrame = m_animation ? qMax(0, m_animation->currentFrameNumber()) : 0;
    const QUrl address = m_address;
    menu->addAction(uiText(UserText::CopyImage), this, [bytes, shownFrame] {
        QGuiApplication::clipboard()->setImage(decodePicture(bytes, QSize(), shownFrame));
    });
    menu->addAction(uiText(UserText::CopyImageAddress), this,
                    [address] { QGuiApplication::clipboard()->setText(address.toString(QUrl::FullyEncoded)); });
    // Only web addresses leave the launcher.
    if (address.scheme() == QLatin1String("http") || address.scheme() == QLatin1String("https")) {
        menu->addAction(uiText(UserText::OpenImageInBrowser), this,
                        [this, address] { ShellOpen(this, address.toString(QUrl::FullyEncoded)); });
    }
    menu->popup(event->globalPos());
}
