#include "qt/jpegimage.h"

#include <QFile>
#include <QTest>

namespace {

QByteArray qrCode()
{
    QFile file(QStringLiteral(":/qrcode.jpg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Offset of the frame header's height field, just past an SOF0 marker.
qsizetype frameHeightOffset(const QByteArray &jpeg)
{
    const qsizetype marker = jpeg.indexOf(QByteArrayLiteral("\xFF\xC0"));
    return marker < 0 ? -1 : marker + 5;
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

    void damagedPictureGivesNullImage_data()
    {
        QTest::addColumn<QByteArray>("jpeg");
        const QByteArray good = qrCode();
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a JPEG") << QByteArray("GIF89a not a picture at all");
        QTest::newRow("cut in the headers") << good.left(100);
        QTest::newRow("cut in the scan") << good.left(good.size() / 2);
        QTest::newRow("end marker missing") << good.left(good.size() - 2);

        QByteArray noHeight = good;
        const qsizetype height = frameHeightOffset(good);
        QVERIFY(height > 0);
        noHeight[height] = 0;
        noHeight[height + 1] = 0;
        QTest::newRow("zero height") << noHeight;

        QByteArray huge = good;
        huge[height] = '\xFF';
        huge[height + 1] = '\xF0';
        huge[height + 2] = '\xFF';
        huge[height + 3] = '\xF0';
        QTest::newRow("claims 65520 x 65520") << huge;
    }

    void damagedPictureGivesNullImage()
    {
        QFETCH(QByteArray, jpeg);
        QVERIFY(decodeJpeg(jpeg).isNull());
    }
};

QTEST_APPLESS_MAIN(TestJpegImage)
#include "tst_jpegimage.moc"
