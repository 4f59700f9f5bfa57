#include "core/recoverypolicy.h"

#include <QTest>

using namespace std::chrono_literals;

class TestRecoveryPolicy : public QObject
{
    Q_OBJECT

private slots:
    // 2 s after the first failure, doubling, held at 60 s however long the
    // network stays away (no overflow after days of failures).
    void retryDelayDoublesToAMinute()
    {
        QCOMPARE(retryDelay(1), 2000ms);
        QCOMPARE(retryDelay(2), 4000ms);
        QCOMPARE(retryDelay(5), 32000ms);
        QCOMPARE(retryDelay(6), 60000ms);
        QCOMPARE(retryDelay(7), 60000ms);
        QCOMPARE(retryDelay(100000), 60000ms);
    }

    // Three restarts in any minute: the fourth waits until the first is a
    // minute old.
    void restartsAreLimitedPerMinute()
    {
        RestartBudget budget(3, 60s);
        QVERIFY(budget.take(0ms));
        QVERIFY(budget.take(10s));
        QVERIFY(budget.take(20s));
        QVERIFY(!budget.take(30s));
        QVERIFY(!budget.take(59999ms));
        QVERIFY(budget.take(60s));
        QVERIFY(!budget.take(65s));
        QVERIFY(budget.take(70s));
    }
};

QTEST_APPLESS_MAIN(TestRecoveryPolicy)
#include "tst_recoverypolicy.moc"
