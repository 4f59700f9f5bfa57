#include "core/language.h"
#include "qt/processlocale.h"

#include <QTest>

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void locales_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("chinese");
        QTest::newRow("Taiwan") << QByteArray("zh_TW.UTF-8") << 0x0404 << true;
        QTest::newRow("mainland") << QByteArray("zh_CN") << 0x0804 << true;
        QTest::newRow("Hong Kong") << QByteArray("zh_HK.Big5-HKSCS") << 0x0C04 << true;
        QTest::newRow("Singapore") << QByteArray("zh_SG.GBK") << 0x1004 << true;
        QTest::newRow("Macao") << QByteArray("zh_MO@modifier") << 0x1404 << true;
        QTest::newRow("bare Chinese") << QByteArray("zh") << 0x0004 << false;
        QTest::newRow("other Chinese territory") << QByteArray("zh_XX.UTF-8") << 0x0004 << false;
        QTest::newRow("US English") << QByteArray("en_US.UTF-8") << 0x0409 << false;
        QTest::newRow("German, unknown territory") << QByteArray("de_LI") << 0x0407 << false;
        QTest::newRow("C") << QByteArray("C") << 0x0409 << false;
        QTest::newRow("POSIX") << QByteArray("POSIX") << 0x0409 << false;
        QTest::newRow("empty") << QByteArray() << 0x0409 << false;
        QTest::newRow("unknown") << QByteArray("xx_YY") << 0x0409 << false;
    }
    void locales()
    {
        QFETCH(QByteArray, locale);
        QFETCH(int, id);
        QFETCH(bool, chinese);
        QCOMPARE(int(langIdFromLocale(locale.toStdString())), id);
        QCOMPARE(isChineseLangID(quint16(id)), chinese);
    }

    void otherChineseIdentifiersAreEnglish()
    {
        QVERIFY(!isChineseLangID(0x7C04));
        QVERIFY(!isChineseLangID(2308));
        QVERIFY(isChineseLangID(2052));
    }

    void environmentOrder()
    {
        qputenv("LANGUAGE", "zh_CN");
        qputenv("LC_ALL", "");
        qputenv("LC_MESSAGES", "zh_TW.UTF-8");
        qputenv("LANG", "en_US.UTF-8");
        QCOMPARE(int(SystemDefaultLangID()), 0x0404);
        qputenv("LC_ALL", "zh_HK");
        QCOMPARE(int(SystemDefaultLangID()), 0x0C04);
        qunsetenv("LC_ALL");
        qunsetenv("LC_MESSAGES");
        QCOMPARE(int(SystemDefaultLangID()), 0x0409);
        qunsetenv("LANG");
        QCOMPARE(int(SystemDefaultLangID()), 0x0409);
    }
};

QTEST_APPLESS_MAIN(TestLanguage)
#include "tst_language.moc"
