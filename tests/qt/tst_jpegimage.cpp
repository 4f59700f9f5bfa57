#include "qt/jpegimage.h"

#include <QFile>
#include <QTest>

namespace {

QByteArray qrCode()
{
    QFile file(QStringLiteral(":/qrcode.jpg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestJpegImage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(korinview); }

    void decodesTheQrCodeAtFullSize()
    {
        const QByteArray jpeg = qrCode();
        QVERIFY(!jpeg.isEmpty());
        const QImage image = decodeJpeg(jpeg);
        QCOMPARE(image.size(), QSize(344, 344));
        QCOMPARE(image.format(), QImage::Format_RGB888);
        // Quiet zone, a finder pattern's dark ring and the label box under its text.
        QCOMPARE(image.pixel(4, 4), qRgb(255, 255, 255));
        QVERIFY(qGray(image.pixel(60, 60)) < 40);
        QVERIFY(qGray(image.pixel(172, 186)) > 215);
    }

    // core's decoder refusing a picture (tests/core/jpegdecode.cpp) leaves no
    // image behind, not one holding part of it.
    void damagedPictureGivesNullImage()
    {
        const QByteArray good = qrCode();
        QVERIFY(decodeJpeg(good.left(good.size() / 2)).isNull());
        QVERIFY(decodeJpeg(QByteArray()).isNull());
    }
};

QTEST_APPLESS_MAIN(TestJpegImage)
#include "tst_jpegimage.moc"
