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

bool PictureView::setPicture(const QUrl &address, const QByteArray &bytes)
{
    QBuffer source;
    source.setData(bytes);
    source.open(QIODevice::ReadOnly);
    QImageReader reader(&source);
    // Turned as its camera says, as the engine turns it.
    reader.setAutoTransform(true);
    if (!reader.canRead() || !isPictureFormat(reader.format()))
        return false;
    const bool animated = reader.supportsAnimation() && reader.imageCount() != 1;
    QImage image = reader.read();
    if (image.isNull())
        return false;
    if (image.colorSpace().isValid() && image.colorSpace() != QColorSpace::SRgb)
        image.convertToColorSpace(QColorSpace::SRgb);

    m_animation.reset();
    m_animationSource.close();
    m_image = image;
    if (animated) {
        m_animationBytes = bytes;
        m_animationSource.setBuffer(&m_animationBytes);
        m_animationSource.open(QIODevice::ReadOnly);
        m_animation = std::make_unique<QMovie>(&m_animationSource);
        connect(m_animation.get(), &QMovie::frameChanged, this, qOverload<>(&QWidget::update));
        m_animation->start();
    } else {
        m_animationBytes.clear();
    }
    m_address = address;
    m_title = pictureTitle(address, image.size());
    setAccessibleName(m_title);
    m_scaled = {};
    update();
    return true;
}

QImage PictureView::frame() const
{
    if (m_animation && !m_animation->currentImage().isNull())
        return m_animation->currentImage();
    return m_image;
}

void PictureView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    const QImage source = frame();
    if (source.isNull())
        return;
    const ImageFit fit = fitAndCentre(source.width(), source.height(), width(), height());
    // Placed and scaled in device pixels, so the picture is sharp at any
    // screen scale.
    const qreal ratio = devicePixelRatioF();
    const QSize size(qMax(1, qRound(fit.width * ratio)), qMax(1, qRound(fit.height * ratio)));
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
    const QImage picture = frame();
    const QUrl address = m_address;
    menu->addAction(uiText(UserText::CopyImage), this,
                    [picture] { QGuiApplication::clipboard()->setImage(picture); });
    menu->addAction(uiText(UserText::CopyImageAddress), this,
                    [address] { QGuiApplication::clipboard()->setText(address.toString(QUrl::FullyEncoded)); });
    // Only web addresses leave the launcher.
    if (address.scheme() == QLatin1String("http") || address.scheme() == QLatin1String("https")) {
        menu->addAction(uiText(UserText::OpenImageInBrowser), this,
                        [this, address] { ShellOpen(this, address.toString(QUrl::FullyEncoded)); });
    }
    menu->popup(event->globalPos());
}
