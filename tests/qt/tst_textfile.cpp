#include "core/exception.h"
#include "qt/textfile.h"
#include "qt/utf16.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

class TestTextFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_directory;

    static void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void initTestCase() { QDir::setCurrent(m_directory.path()); }

    void decoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("codeset");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFE" "a\0b\0", 6) << QByteArray() << "ab";
        QTest::newRow("UTF-16 BE") << QByteArray("\xFE\xFF\0a\0b", 6) << QByteArray() << "ab";
        QTest::newRow("UTF-16 odd last byte") << QByteArray("\xFF\xFE" "a\0b", 5) << QByteArray() << "a";
        QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF\xE4\xBD\xA0") << QByteArray("GBK") << "你";
        QTest::newRow("mark only") << QByteArray("\xEF\xBB\xBF") << QByteArray() << "";
        QTest::newRow("empty") << QByteArray() << QByteArray() << "";
        QTest::newRow("shorter than a mark") << QByteArray("\xFF") << QByteArray("ISO-8859-1") << "ÿ";
        QTest::newRow("UTF-32 LE stops at its NUL") << QByteArray("\xFF\xFE\0\0a\0\0\0", 8) << QByteArray() << "";
        QTest::newRow("UTF-16 without mark") << QByteArray("a\0b\0", 4) << QByteArray("UTF-8") << "a";
        QTest::newRow("UTF-8 beyond the BMP") << QByteArray("\xEF\xBB\xBF\xF0\x9F\x98\x80!") << QByteArray() << "\U0001F600!";
        QTest::newRow("overlong and surrogate UTF-8") << QByteArray("\xEF\xBB\xBF\xC0\xAFx\xED\xA0\x80") << QByteArray() << "\uFFFD\uFFFDx\uFFFD\uFFFD\uFFFD";
        QTest::newRow("U+FFFE after the mark is text") << QByteArray("\xFE\xFF\xFF\xFE\x00\x0D\x00\x61", 8) << QByteArray() << "\uFFFE\r\na";
        QTest::newRow("U+FEFF after the mark is text") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF" "a") << QByteArray() << QString(QChar(0xFEFF)) + QLatin1Char('a');
        QTest::newRow("invalid UTF-8 keeps the rest") << QByteArray("\xEF\xBB\xBFok\xFFstill") << QByteArray() << "ok\uFFFDstill";
        QTest::newRow("GBK") << QByteArray("\xC4\xE3\xBA\xC3") << QByteArray("GBK") << "你好";
        QTest::newRow("undefined GBK byte") << QByteArray("a\xFF" "b") << QByteArray("GBK") << "a\uFFFDb";
        QTest::newRow("unknown codeset") << QByteArray("\xC3\xA9") << QByteArray("NO-SUCH-SET") << "é";
        QTest::newRow("line breaks") << QByteArray("a\n\rb\rc\r\n") << QByteArray() << "a\r\n\r\nb\r\nc\r\n";
        QTest::newRow("NUL ends the text") << QByteArray("one\0two", 7) << QByteArray() << "one";
    }
    void decoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, codeset);
        QFETCH(QString, text);
        QCOMPARE(decodeText(bytes, codeset), text);
    }

    void codesetFromTheLocale()
    {
        qputenv("LC_ALL", "zh_CN.GBK@stroke");
        QCOMPARE(legacyCodeset(), QByteArray("GBK"));
        qputenv("LC_ALL", "");
        qputenv("LC_CTYPE", "de_DE");
        QCOMPARE(legacyCodeset(), QByteArray());
        qunsetenv("LC_CTYPE");
        qputenv("LANG", "ru_RU.KOI8-R");
        QCOMPARE(legacyCodeset(), QByteArray("KOI8-R"));
        qputenv("LC_ALL", "C.UTF-8");
    }

    void existence()
    {
        QVERIFY(!FileExists(QStringLiteral("readme.txt")));
        QDir().mkdir(QStringLiteral("readme.txt"));
        QVERIFY(!FileExists(QStringLiteral("readme.txt")));
        QDir().rmdir(QStringLiteral("readme.txt"));
        write(QStringLiteral("readme.txt"), "x");
        QVERIFY(FileExists(QStringLiteral("readme.txt")));
        QVERIFY(!FileExists(QStringLiteral("readme.txt/inside")));
        QFile::remove(QStringLiteral("readme.txt"));
    }

    void filesThatCannotBeRead_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "missing" << "No such file or directory";
        QTest::newRow("FIFO") << "fifo" << "Illegal seek";
        QTest::newRow("link to /dev/zero") << "zero" << "No such device";
    }
    void filesThatCannotBeRead()
    {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        const QString name = QStringLiteral("case-") + kind;
        if (kind == QLatin1String("fifo"))
            QVERIFY(mkfifo(QFile::encodeName(name).constData(), 0644) == 0);
        if (kind == QLatin1String("zero"))
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), name));
        QElapsedTimer timer;
        timer.start();
        try {
            readTextFile(name, 1 << 20);
            QFAIL("an unreadable file was read");
        } catch (const EFOpenError &error) {
            QCOMPARE(toQString(error.message()), QStringLiteral("Cannot open file \"%1/%2\". %3").arg(m_directory.path(), name, message));
        }
        QVERIFY(timer.elapsed() < 1000);
    }

    void largeFilesAreRefusedUnread()
    {
        QFile sparse(QStringLiteral("large.txt"));
        QVERIFY(sparse.open(QIODevice::WriteOnly));
        QVERIFY(sparse.resize(qint64(3) << 30));
        sparse.close();
        QVERIFY_THROWS_EXCEPTION(EInvalidOperation, readTextFile(QStringLiteral("large.txt"), 4 << 20));
        write(QStringLiteral("small.txt"), "\xEF\xBB\xBFline\n");
        QCOMPARE(readTextFile(QStringLiteral("small.txt"), 4 << 20), QStringLiteral("line\r\n"));
    }
};

QTEST_APPLESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
