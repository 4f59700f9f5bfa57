#include "qt/tmemo.h"
#include "core/exception.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

class TestTMemo : public QObject
{
    Q_OBJECT

private slots:
    void lines()
    {
        TMemo memo;
        memo.Clear();
        memo.Add(QStringLiteral("one"));
        memo.Add(QStringLiteral("two"));
        QCOMPARE(memo.Text(), QStringLiteral("one\r\ntwo\r\n"));
        memo.SetText(QStringLiteral("open"));
        memo.Add(QStringLiteral("next"));
        QCOMPARE(memo.Text(), QStringLiteral("open\r\nnext"));
        QVERIFY_THROWS_EXCEPTION(EInvalidOperation, memo.SetText(QString(TMemo::kMemoCapacity + 1, QLatin1Char('x'))));
        QCOMPARE(memo.Text(), QStringLiteral("open\r\nnext"));
    }

    void loading()
    {
        QTemporaryDir directory;
        QDir::setCurrent(directory.path());
        QFile file(QStringLiteral("readme.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("a\nb");
        file.close();

        TMemo memo;
        memo.LoadFromFile(QStringLiteral("readme.txt"));
        QCOMPARE(memo.Text(), QStringLiteral("a\r\nb"));
        QVERIFY(memo.updatesEnabled());

        QSignalSpy changed(&memo, &QPlainTextEdit::textChanged);
        memo.LoadFromFile(QStringLiteral("readme.txt"));
        QCOMPARE(changed.count(), 0);

        QVERIFY_THROWS_EXCEPTION(EFOpenError, memo.LoadFromFile(QStringLiteral("missing.txt")));
        QCOMPARE(memo.Text(), QStringLiteral("a\r\nb"));
        QVERIFY(memo.updatesEnabled());
    }
};

KORINVIEW_TEST_MAIN(TestTMemo)
#include "tst_tmemo.moc"
