#include "qt/timage.h"
#include "testmain.h"

#include <QTest>

namespace {

// Whether the box pixel comes straight from the picture pixel under it (give
// or take one row and column for where the sampling point falls), so the
// picture is neither blended, shifted, cropped nor letter-boxed.
bool isPicturePixelUnder(const QImage &picture, const QImage &box, int x, int y)
{
    const int centreX = (2 * x + 1) * picture.width() / (2 * box.width());
    const int centreY = (2 * y + 1) * picture.height() / (2 * box.height());
    for (int sy = qMax(0, centreY - 1); sy <= qMin(picture.height() - 1, centreY + 1); ++sy)
        for (int sx = qMax(0, centreX - 1); sx <= qMin(picture.width() - 1, centreX + 1); ++sx)
            if (picture.pixel(sx, sy) == box.pixel(x, y))
                return true;
    return false;
}

QImage painted(QWidget &box)
{
    return box.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestTImage : public QObject
{
    Q_OBJECT

private slots:
    void fillsTheBoxWithUnblendedPixels_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("designed box") << QSize(167, 162);
        QTest::newRow("full size") << QSize(344, 344);
        QTest::newRow("wide and low") << QSize(500, 90);
        QTest::newRow("one pixel") << QSize(1, 1);
    }

    void fillsTheBoxWithUnblendedPixels()
    {
        QFETCH(QSize, size);
        QWidget window;
        auto *box = new TImage(&window);
        box->setGeometry(QRect(QPoint(10, 10), size));
        window.resize(size + QSize(20, 20));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QImage shown = painted(*box);
        const QImage picture = box->picture().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(picture.size(), QSize(344, 344));
        QCOMPARE(shown.size(), size);
        int strays = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                strays += isPicturePixelUnder(picture, shown, x, y) ? 0 : 1;
        QCOMPARE(strays, 0);
    }

    void decodesOnceAtTheFirstPaint()
    {
        QWidget window;
        auto *box = new TImage(&window);
        box->setGeometry(376, 129, 167, 162);
        window.resize(600, 400);
        QVERIFY(box->picture().isNull());

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        painted(*box);
        const qint64 decoded = box->picture().cacheKey();
        QVERIFY(!box->picture().isNull());

        box->resize(250, 90);
        painted(*box);
        box->resize(167, 162);
        box->repaint();
        painted(*box);
        QCOMPARE(box->picture().cacheKey(), decoded);
    }

    void damagedPictureLeavesTheBoxEmpty()
    {
        QWidget window;
        window.setAutoFillBackground(true);
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, QColor(10, 200, 30));
        window.setPalette(palette);
        QByteArray jpeg("\xFF\xD8\xFF\xE0 cut short");
        auto *box = new TImage(jpeg, &window);
        box->setGeometry(0, 0, 167, 162);
        window.resize(167, 162);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(box->picture().isNull());
        QCOMPARE(shown.pixel(80, 80), qRgb(10, 200, 30));
    }
};

KORINVIEW_TEST_MAIN(TestTImage)
#include "tst_timage.moc"
