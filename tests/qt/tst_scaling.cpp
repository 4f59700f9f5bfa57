#include "qt/placement.h"
#include "core/placement.h"
#include "core/scaling.h"

#include <QTest>

class TestScaling : public QObject
{
    Q_OBJECT

private slots:
    void mulDiv_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("result");
        QTest::newRow("exact") << 1029 << 23 << 23 << 1029;
        QTest::newRow("half rounds up") << 1 << 1 << 2 << 1;
        QTest::newRow("negative half rounds away") << -1 << 1 << 2 << -1;
        QTest::newRow("font at 96 dpi") << -20 << 96 << 120 << -16;
        QTest::newRow("font at 144 dpi") << -20 << 144 << 120 << -24;
        QTest::newRow("below half rounds down") << 10 << 18 << 23 << 8;
        QTest::newRow("64-bit product") << 2000000000 << 3 << 4 << 1500000000;
        QTest::newRow("division by zero") << 5 << 5 << 0 << -1;
    }
    void mulDiv()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        QFETCH(int, result);
        QCOMPARE(::mulDiv(a, b, c), result);
    }

    void clientSize_data()
    {
        QTest::addColumn<int>("textHeight");
        QTest::addColumn<QSize>("client");
        QTest::newRow("120 dpi, no scaling") << 23 << QSize(1029, 735);
        QTest::newRow("96 dpi, N 18") << 18 << QSize(805, 575);
        QTest::newRow("96 dpi, N 19") << 19 << QSize(850, 607);
        QTest::newRow("144 dpi, N 27") << 27 << QSize(1208, 863);
    }
    void clientSize()
    {
        QFETCH(int, textHeight);
        QFETCH(QSize, client);
        QCOMPARE(QSize(scaleLength(1029, textHeight), scaleLength(735, textHeight)), client);
    }

    void sharedEdgesStayShared()
    {
        // Button4 ends where Button5 starts; scaled separately their edges
        // could drift apart by rounding, scaled from left plus width they cannot.
        const DockRect button4 = scaleBounds({242, 10, 145, 32}, 18);
        const DockRect button5 = scaleBounds({387, 10, 145, 32}, 18);
        QCOMPARE(button4.left + button4.width, button5.left);
        QCOMPARE(button4, (DockRect{189, 8, 114, 25}));
        QCOMPARE(scaleBounds({242, 10, 145, 32}, 23), (DockRect{242, 10, 145, 32}));
    }

    void fontHeight()
    {
        QCOMPARE(scaledFontHeight(96), -16);
        QCOMPARE(scaledFontHeight(120), -20);
        QCOMPARE(scaledFontHeight(144), -24);
        QCOMPARE(scaledFontHeight(192), -32);
    }

    void centring_data()
    {
        QTest::addColumn<QRect>("desktop");
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("one monitor") << QRect(0, 0, 1920, 1080) << QSize(805, 575) << QPoint(558, 253);
        QTest::newRow("two monitors side by side") << QRect(0, 0, 3840, 1080) << QSize(1045, 775) << QPoint(1398, 153);
        QTest::newRow("second monitor on the left") << QRect(-1280, 0, 3200, 1080) << QSize(805, 575) << QPoint(-82, 253);
        QTest::newRow("odd sizes truncate") << QRect(0, 0, 1025, 769) << QSize(3, 3) << QPoint(511, 383);
        QTest::newRow("larger than the desktop") << QRect(-1280, -200, 1280, 1024) << QSize(2000, 1500) << QPoint(-1280, -200);
    }
    void centring()
    {
        QFETCH(QRect, desktop);
        QFETCH(QSize, outer);
        QFETCH(QPoint, topLeft);
        const DockPoint centre = desktopCentre({desktop.left(), desktop.top(), desktop.width(), desktop.height()},
                                               outer.width(), outer.height());
        QCOMPARE(QPoint(centre.x, centre.y), topLeft);
    }
};

QTEST_APPLESS_MAIN(TestScaling)
#include "tst_scaling.moc"
