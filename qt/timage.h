#pragma once

#include <QByteArray>
#include <QImage>
#include <QWidget>

// The picture box: a JPEG stretched over the whole box by nearest-pixel
// sampling, proportions not kept. It takes no input and no focus. The JPEG is
// decoded at the first paint, not before, and kept for the box's life; a
// picture that does not decode leaves the box empty.
class TImage : public QWidget
{
    Q_OBJECT

public:
    // Shows the window's own picture, the QR code of the maker's site.
    explicit TImage(QWidget *parent = nullptr);
    TImage(QByteArray jpeg, QWidget *parent);

    // The decoded bitmap; null before the first paint or when decoding failed.
    const QImage &picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QByteArray m_jpeg;
    bool m_decoded = false;
    QImage m_picture;
    QImage m_scaled;
};
