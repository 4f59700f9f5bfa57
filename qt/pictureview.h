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
class PictureView : public QWidget
{
    Q_OBJECT

public:
    explicit PictureView(QWidget *parent);
    ~PictureView() override;

    // Shows the answer from address if the toolkit decodes it as a picture
    // of a kind the engine shows as one; otherwise keeps what it showed and
    // returns false.
    bool setPicture(const QUrl &address, const QByteArray &bytes);

    QUrl address() const { return m_address; }
    // "1.jpg (456×326)": the engine's title for the picture.
    QString title() const { return m_title; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QImage frame() const;

    QUrl m_address;
    QString m_title;
    QImage m_image;
    // An animation reads its frames as it plays, from its own copy.
    QByteArray m_animationBytes;
    QBuffer m_animationSource;
    std::unique_ptr<QMovie> m_animation;
    // The frame at the size it was last drawn.
    QImage m_scaled;
    qint64 m_scaledFrom = 0;
};
