#include "qt/moduleaddress.h"
#include "core/exception.h"
#include "u16.h"

#include <QTest>

class TestErrorText : public QObject
{
    Q_OBJECT

private slots:
    // The fatal report names the module that holds the failing code: this
    // program itself, for a function of its own and an error made here.
    void moduleOfAnAddress()
    {
        const FatalReport here = locateAddress(reinterpret_cast<const void *>(&locateAddress));
        QCOMPARE(qs(here.moduleName), QStringLiteral("tst_errortext"));
        QVERIFY(here.offset > 0 && here.offset < 0x10000000);
        const Exception made(u"x");
        QCOMPARE(qs(locateAddress(made.address()).moduleName), QStringLiteral("tst_errortext"));
    }
};

QTEST_APPLESS_MAIN(TestErrorText)
#include "tst_errortext.moc"
