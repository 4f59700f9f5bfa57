#include "qt/moduleaddress.h"
#include "core/errortext.h"
#include "core/exception.h"
#include "u16.h"

#include <QTest>

class TestErrorText : public QObject
{
    Q_OBJECT

private slots:
    void fullStop_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Unspecified error" << "Unspecified error.";
        QTest::newRow("digit") << "code 5" << "code 5.";
        QTest::newRow("full stop") << "Done." << "Done.";
        QTest::newRow("exclamation") << "Stop!" << "Stop!";
        QTest::newRow("question mark") << "Why?" << "Why?.";
        QTest::newRow("colon") << "Reason:" << "Reason:.";
        QTest::newRow("closing parenthesis") << "(x)" << "(x)";
        QTest::newRow("trailing blank") << "x " << "x ";
        QTest::newRow("Chinese") << "错误" << "错误.";
        QTest::newRow("empty") << "" << "";
    }
    void fullStop()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(qs(errorBoxText(Exception(u16(message)))), shown);
    }

    void innerErrors()
    {
        const Exception innermost(u"disk gone");
        const Exception middle(u"", innermost);
        QCOMPARE(qs(errorBoxText(Exception(u"outer", middle))), QStringLiteral("disk gone."));
        QCOMPARE(qs(errorBoxText(Exception(u"outer", Exception(u"")))), QStringLiteral("outer."));
        QCOMPARE(qs(Exception(u"outer", middle).baseException().message()), QStringLiteral("disk gone"));
    }

    void classNames()
    {
        QCOMPARE(qs(EOleException(u"x", -1).className()), QStringLiteral("EOleException"));
        const std::unique_ptr<Exception> copy = EFOpenError(u"x").clone();
        QCOMPARE(qs(copy->className()), QStringLiteral("EFOpenError"));
        QVERIFY(dynamic_cast<EOleSysError *>(EOleException(u"x", 5).clone().get()));
        QCOMPARE(QString::fromUtf8(EFOpenError(u"无法打开").what()), QStringLiteral("无法打开"));
    }

    void fatalFormat()
    {
        FatalReport report{u"EOleSysError", u"korinview", 0x1A2B, u"No such interface supported"};
        QCOMPARE(qs(fatalText(report)),
                 QStringLiteral("Exception EOleSysError in module korinview at 00001A2B.\r\nNo such interface supported.\r\n"));
        report.message = u"Ends here.";
        QVERIFY(qs(fatalText(report)).endsWith(QStringLiteral("\r\nEnds here.\r\n")));
        report.message.clear();
        QVERIFY(qs(fatalText(report)).endsWith(QStringLiteral("00001A2B.\r\n\r\n")));
        report.message = std::u16string(2000, u'x');
        QCOMPARE(fatalText(report).size(), kFatalTextLimit);
    }

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
