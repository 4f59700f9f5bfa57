#include "launcher/tpanel.h"
#include "testmain.h"

#include <QTest>

class TestTPanel : public QObject
{
    Q_OBJECT

private:
    static QImage paint(TBevelCut outer, bool ownColour, const QColor &colour = Qt::magenta)
    {
        QWidget parent;
        parent.setAutoFillBackground(true);
        QPalette palette = parent.palette();
        palette.setColor(QPalette::Window, Qt::black);
        palette.setColor(QPalette::Light, Qt::white);
        palette.setColor(QPalette::Dark, Qt::gray);
        parent.setPalette(palette);
        parent.resize(20, 10);
        auto *panel = new TPanel(&parent);
        panel->setGeometry(0, 0, 20, 10);
        panel->setBevelOuter(outer);
        panel->setBevelWidth(3);
        panel->setColor(colour);
        panel->setParentBackground(!ownColour);
        return parent.grab().toImage();
    }

private slots:
    void bevelRingsAndCorners_data()
    {
        QTest::addColumn<int>("cut");
        QTest::addColumn<QColor>("top");
        QTest::addColumn<QColor>("bottom");
        QTest::newRow("raised") << int(TBevelCut::bvRaised) << QColor(Qt::white) << QColor(Qt::gray);
        QTest::newRow("lowered") << int(TBevelCut::bvLowered) << QColor(Qt::gray) << QColor(Qt::white);
    }
    void bevelRingsAndCorners()
    {
        QFETCH(int, cut);
        QFETCH(QColor, top);
        QFETCH(QColor, bottom);
        const QImage image = paint(static_cast<TBevelCut>(cut), false);
        for (int ring = 0; ring < 3; ++ring) {
            const int right = 19 - ring;
            const int lower = 9 - ring;
            QCOMPARE(image.pixelColor(ring, ring), top);                // top-left: top colour
            QCOMPARE(image.pixelColor(ring + 2, ring), top);            // top row
            QCOMPARE(image.pixelColor(ring, ring + 2), top);            // left column
            QCOMPARE(image.pixelColor(right, ring), bottom);            // top-right: bottom colour
            QCOMPARE(image.pixelColor(ring, lower), bottom);            // bottom-left: bottom colour
            QCOMPARE(image.pixelColor(right, lower), bottom);
        }
        QCOMPARE(image.pixelColor(3, 3), QColor(Qt::black)); // parent shows through inside
    }

    void ownColourFill_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::newRow("purple") << QColor(0x80, 0x00, 0x80);
        QTest::newRow("blue") << QColor(0x00, 0x00, 0xFF);
        QTest::newRow("teal") << QColor(0x48, 0xB0, 0xB5);
        QTest::newRow("lime") << QColor(0xB1, 0xFB, 0x17);
    }
    void ownColourFill()
    {
        QFETCH(QColor, colour);
        const QImage image = paint(TBevelCut::bvLowered, true, colour);
        QCOMPARE(image.pixelColor(3, 3), colour);
        QCOMPARE(image.pixelColor(16, 6), colour);
        QCOMPARE(image.pixelColor(2, 5), QColor(Qt::gray));
    }

    void insetFollowsTheBevels()
    {
        TPanel panel;
        QCOMPARE(panel.dockInset(), 1);
        panel.setBevelInner(TBevelCut::bvRaised);
        panel.setBevelWidth(3);
        QCOMPARE(panel.dockInset(), 6);
        panel.setBevelOuter(TBevelCut::bvNone);
        panel.setBevelInner(TBevelCut::bvNone);
        QCOMPARE(panel.dockInset(), 0);
    }
};

KORINVIEW_TEST_MAIN(TestTPanel)
#include "tst_tpanel.moc"
