#pragma once

#include <QBuffer>
#include <QImage>
#include <QUrl>
#include <QWidget>

#include <memory>

class QMovie;

// A picture shown as the web engine shows an image address on its own:
// centred on the engine's dark image background, scaled down smoothly to fit
// with its aspect kept and never scaled up (in logical pixels, so a small
// picture grows with the screen's scale as a page does), an animation played.
// A screen reader meets it as an image named by its file name and size; a
// right click offers to copy it or its address, or to open it in the
// desktop's browser.
//
// Only what is shown is kept, besides the answer's bytes: the picture is
// decoded scaled to the view's size in device pixels, and again from the
// bytes when that size changes.
class PictureView : public QWidget
{
    Q_OBJECT

public:
    explicit PictureView(QWidget *parent);
    ~PictureView() override;

    enum class Outcome { Shown, NotPicture, TooLarge };

    // Shows the answer from address if the toolkit decodes it as a picture
    // of a kind the engine shows as one. Otherwise, or if its header claims
    // a size beyond the core's bound, keeps what it showed and says why.
    Outcome setPicture(const QUrl &address, const QByteArray &bytes);

    QUrl address() const { return m_address; }
    // "1.jpg (456×326)": the engine's title for the picture.
    QString title() const { return m_title; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QImage frame() const;
    // The picture's size as shown in this view, in device pixels.
    QSize shownSize(const QSize &pictureSize) const;

    QUrl m_address;
    QString m_title;
    // The answer as it came; an animation reads its frames from it as it plays.
    QByteArray m_bytes;
    // The picture's full size, after the camera's turn.
    QSize m_size;
    // Decoded at the size it is shown at (an animation's first frame).
    QImage m_image;
    QBuffer m_animationSource;
    std::unique_ptr<QMovie> m_animation;
    // The frame at the size it was last drawn.
    QImage m_scaled;
    qint64 m_scaledFrom = 0;
};
