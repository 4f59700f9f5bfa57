#include "app/errortext.h"
#include "platform/exception.h"

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
        QCOMPARE(errorBoxText(Exception(message)), shown);
    }

    void innerErrors()
    {
        const Exception innermost(QStringLiteral("disk gone"));
        const Exception middle(QString(), innermost);
        QCOMPARE(errorBoxText(Exception(QStringLiteral("outer"), middle)), QStringLiteral("disk gone."));
        QCOMPARE(errorBoxText(Exception(QStringLiteral("outer"), Exception(QString()))), QStringLiteral("outer."));
        QCOMPARE(Exception(QStringLiteral("outer"), middle).baseException().message(), QStringLiteral("disk gone"));
    }

    void classNames()
    {
        QCOMPARE(EOleException(QStringLiteral("x"), -1).className(), QStringLiteral("EOleException"));
        const std::unique_ptr<Exception> copy = EFOpenError(QStringLiteral("x")).clone();
        QCOMPARE(copy->className(), QStringLiteral("EFOpenError"));
        QVERIFY(dynamic_cast<EOleSysError *>(EOleException(QStringLiteral("x"), 5).clone().get()));
    }

    void fatalFormat()
    {
        FatalReport report{QStringLiteral("EOleSysError"), QStringLiteral("korinview"), 0x1A2B, QStringLiteral("No such interface supported")};
        QCOMPARE(fatalText(report),
                 QStringLiteral("Exception EOleSysError in module korinview at 00001A2B.\r\nNo such interface supported.\r\n"));
        report.message = QStringLiteral("Ends here.");
        QVERIFY(fatalText(report).endsWith(QStringLiteral("\r\nEnds here.\r\n")));
        report.message.clear();
        QVERIFY(fatalText(report).endsWith(QStringLiteral("00001A2B.\r\n\r\n")));
        report.message = QString(2000, QLatin1Char('x'));
        QCOMPARE(fatalText(report).size(), kFatalTextLimit);
    }

    void moduleOfAnAddress()
    {
        const FatalReport here = locateAddress(reinterpret_cast<const void *>(&locateAddress));
        QCOMPARE(here.moduleName, QStringLiteral("tst_errortext"));
        QVERIFY(here.offset > 0 && here.offset < 0x10000000);
        const Exception made(QStringLiteral("x"));
        QCOMPARE(locateAddress(made.address()).moduleName, QStringLiteral("tst_errortext"));
    }
};

QTEST_APPLESS_MAIN(TestErrorText)
#include "tst_errortext.moc"
