#include "core/controldata.h"

#include <QTest>

class TestControlData : public QObject
{
    Q_OBJECT

    static quint32 read32(const std::vector<std::uint8_t> &data, std::size_t at)
    {
        return data[at] | data[at + 1] << 8 | data[at + 2] << 16 | quint32(data[at + 3]) << 24;
    }

private slots:
    // The three views' extents, rounded to the nearest HIMETRIC unit, and an
    // empty link: only the header's size and class are set, so the control
    // has nothing to show before its first navigation.
    void layoutViews_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<quint32>("himetricWidth");
        QTest::addColumn<quint32>("himetricHeight");
        QTest::newRow("WebBrowser1") << 1029 << 683 << 21781u << 14457u;
        QTest::newRow("WebBrowser2") << 456 << 326 << 9652u << 6900u;
        QTest::newRow("WebBrowser3") << 456 << 347 << 9652u << 7345u;
    }
    void layoutViews()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(quint32, himetricWidth);
        QFETCH(quint32, himetricHeight);
        const std::vector<std::uint8_t> data = browserControlData(width, height);
        QCOMPARE(data.size(), std::size_t(156));
        QCOMPARE(read32(data, 0), 76u);
        QCOMPARE(read32(data, 4), himetricWidth);
        QCOMPARE(read32(data, 8), himetricHeight);
        QCOMPARE(read32(data, 76), 0x4Cu);
        const std::uint8_t linkClass[16] = {0x01, 0x14, 0x02, 0, 0, 0, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46};
        QVERIFY(std::equal(std::begin(linkClass), std::end(linkClass), data.begin() + 80));
        QVERIFY(std::all_of(data.begin() + 12, data.begin() + 76, [](std::uint8_t b) { return b == 0; }));
        QVERIFY(std::all_of(data.begin() + 96, data.end(), [](std::uint8_t b) { return b == 0; }));
    }
};

QTEST_APPLESS_MAIN(TestControlData)
#include "tst_controldata.moc"
