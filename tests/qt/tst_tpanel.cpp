#include "qt/tpanel.h"
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
        panel->setColor(TColor(colour.red()) | TColor(colour.green()) << 8 | TColor(colour.blue()) << 16);
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

    // On a scaled screen a logical pixel covers more or less than one device
    // pixel, and a panel lies at fractional device offsets; every device
    // pixel of it must still be painted, between its bevel rings above all,
    // or the window shows black lines there (transparent ones on Wayland).
    void everyDevicePixelPaintedAtAnyScale_data()
    {
        QTest::addColumn<qreal>("scale");
        for (const qreal scale : {1.0, 1.25, 1.5, 1.75, 2.0})
            QTest::addRow("%g", scale) << scale;
    }
    void everyDevicePixelPaintedAtAnyScale()
    {
        QFETCH(qreal, scale);
        TPanel panel;
        panel.resize(40, 30);
        panel.setBevelOuter(TBevelCut::bvLowered);
        panel.setBevelWidth(3);
        const QPoint offset(1, 2);
        QImage image(QSize(45, 35) * scale, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        image.setDevicePixelRatio(scale);
        panel.render(&image, offset);
        // The device pixels wholly inside the panel; those its edges cut
        // belong to whichever side the rounding gives them.
        const QRectF area(QPointF(offset) * scale, QSizeF(panel.size()) * scale);
        int unpainted = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (area.contains(QRectF(x, y, 1, 1)) && qAlpha(image.pixel(x, y)) == 0)
                    ++unpainted;
        QCOMPARE(unpainted, 0);
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
