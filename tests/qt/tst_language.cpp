#include "core/language.h"
#include "qt/processlocale.h"

#include <QTest>

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
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
