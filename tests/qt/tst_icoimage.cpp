#include "qt/icoimage.h"

#include <QFile>
#include <QPixmap>
#include <QTest>
#include <QtEndian>

namespace {

QByteArray windowIcon()
{
    QFile file(QStringLiteral(":/korinview.ico"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray withDword(QByteArray data, qsizetype at, quint32 value)
{
    qToLittleEndian(value, data.data() + at);
    return data;
}

QByteArray withWord(QByteArray data, qsizetype at, quint16 value)
{
    qToLittleEndian(value, data.data() + at);
    return data;
}

} // namespace

class TestIcoImage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(korinview); }

    void windowIconKeepsOrientationColoursAndMask()
    {
        const QByteArray ico = windowIcon();
        QCOMPARE(ico.size(), 7358);
        const QImage image = decodeIco(ico);
        QCOMPARE(image.size(), QSize(48, 48));
        // The laser head is at the top, its orange band below dark metal;
        // the corners and the space under the plate are masked out.
        const QRgb band = image.pixel(24, 10);
        QVERIFY(qAlpha(band) == 255 && qRed(band) > 200 && qBlue(band) < 100);
        const QRgb metal = image.pixel(24, 5);
        QVERIFY(qAlpha(metal) == 255 && qBlue(metal) > qRed(metal));
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(47, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(24, 45)), 0);
    }

    void applicationIconIsTheWindowIcon()
    {
        const QIcon icon = applicationIcon();
        QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(48, 48)});
        QCOMPARE(qAlpha(icon.pixmap(48, 48).toImage().pixel(0, 0)), 0);
    }

    void malformedIconGivesNullImage_data()
    {
        QTest::addColumn<QByteArray>("ico");
        const QByteArray good = windowIcon();
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("image past the end") << withDword(good, 18, 7000);
        QTest::newRow("image size past the end") << withDword(good, 14, 0xFFFFFFF0);
        QTest::newRow("pixels cut off") << good.left(good.size() - 100);
        QTest::newRow("header size past the image") << withDword(good, 22, 0x7FFFFFFF);
        QTest::newRow("width disagrees") << withDword(good, 26, 64);
        QTest::newRow("8 bits per pixel") << withWord(good, 36, 8);
        QTest::newRow("compressed") << withDword(good, 38, 1);
    }

    void malformedIconGivesNullImage()
    {
        QFETCH(QByteArray, ico);
        QVERIFY(decodeIco(ico).isNull());
    }
};

QTEST_MAIN(TestIcoImage)
#include "tst_icoimage.moc"
