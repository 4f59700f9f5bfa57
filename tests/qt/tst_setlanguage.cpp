#include "boxanswerer.h"
#include "qt/tbutton.h"
#include "qt/tmemo.h"
#include "qt/twebbrowser.h"
#include "testmain.h"
#include "windowfixture.h"
#include "qt/utf16.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

struct Expected
{
    const char *control;
    const char *chinese;
    const char *english; // nullptr: hidden in English
};

const Expected kCaptions[] = {
    {"Button17", "软件安装", "Install"},
    {"Button6", "下载资源", "Downloads"},
    {"Button3", "视频教程", "Video"},
    {"Button7", "柯霖软件QQ群号:527418306", "Korinware QQ Group"},
    {"Button8", "安装Korinplot全功能国际版", "Install Korinplot(All function)"},
    {"Button23", "安装KorinplotX新英文版", "Install KorinplotX(New English)"},
    {"Button9", "安装Korinplot中文版", nullptr},
    {"Button10", "安装Korinplot精简版", nullptr},
    {"Button21", "安装Korinplot5.20左上原点国际版", "Install Korinplot5.20 TopLeft"},
    {"Button22", "安装Korinplot5.20右上原点国际版", "Install Korinplot5.20 TopRight"},
    {"Button11", "安装3.40中文版A型板左上原点标准版A11", nullptr},
    {"Button16", "安装3.40中文版B型板右上原点精简版B22", nullptr},
    {"Button1", "<", "<"},
    {"Button18", "CN", "CN"},
    {"Button19", "EN", "EN"},
};

void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestSetlanguage : public QObject
{
    Q_OBJECT

private:
    LoopbackServer m_server;
    QTemporaryDir m_directory;
    QString m_previousDirectory;

    void checkLanguage(TKorinplot &window, bool chinese)
    {
        for (const Expected &row : kCaptions) {
            auto *button = window.findChild<TButton *>(QLatin1String(row.control));
            const char *caption = chinese ? row.chinese : row.english;
            QCOMPARE(button->isVisibleTo(&window), caption != nullptr);
            if (caption)
                QCOMPARE(button->text(), QString::fromUtf8(caption));
        }
        QCOMPARE(window.Panel7->isVisibleTo(&window), chinese);
        QCOMPARE(window.Panel8->isVisibleTo(&window), chinese);
    }

private slots:
    void init()
    {
        m_previousDirectory = QDir::currentPath();
        QDir::setCurrent(m_directory.path());
        QDir(m_directory.path()).removeRecursively();
        QDir().mkpath(m_directory.path());
        QDir::setCurrent(m_directory.path());
    }
    void cleanup() { QDir::setCurrent(m_previousDirectory); }

    void systemLanguageChoosesAtStart_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<bool>("chinese");
        QTest::newRow("mainland") << QByteArray("zh_CN.UTF-8") << true;
        QTest::newRow("Taiwan") << QByteArray("zh_TW.Big5") << true;
        QTest::newRow("English") << QByteArray("en_US.UTF-8") << false;
        QTest::newRow("neutral") << QByteArray("C") << false;
    }
    void systemLanguageChoosesAtStart()
    {
        QFETCH(QByteArray, locale);
        QFETCH(bool, chinese);
        qputenv("LC_ALL", locale);
        auto window = createWindow(loopbackConfig(m_server.site()));
        qputenv("LC_ALL", "C.UTF-8");
        checkLanguage(*window, chinese);
    }

    void builtinLines()
    {
        const KorinviewConfig config = loopbackConfig(m_server.site());
        auto window = createWindow(config);
        window->Button18Click();
        QCOMPARE(window->Memo1->Text(),
                 QStringLiteral("安装包括：\r\nKorinplot 柯霖激光雕刻排版系统\r\nKorinbeam Coreldraw外挂输出工具\r\n"
                                "Korinsnip  CAD文件编辑输出工具\r\n----------------------------\r\nEmail:")
                     + toQString(config.supportEmail) + QStringLiteral("\r\n"));
        checkLanguage(*window, true);
        window->Button19Click();
        QCOMPARE(window->Memo1->Text(),
                 QStringLiteral("Install include:\r\nKorinplot\r\n  Can import DWG/DXF\r\nKorinbeam Coreldraw tool\r\n"
                                "  Support CDR 12/x4/x5/x6/x7\r\n----------------------------\r\nEmail:")
                     + toQString(config.supportEmail) + QStringLiteral("\r\n"));
        checkLanguage(*window, false);
        window->Button18Click();
        checkLanguage(*window, true);
    }

    void readmeFilesReplaceTheBuiltinLines()
    {
        writeFile(QStringLiteral("readme_en.txt"), "\xEF\xBB\xBFOnly English\nsecond");
        auto window = createWindow(loopbackConfig(m_server.site()));
        window->Button19Click();
        QCOMPARE(window->Memo1->Text(), QStringLiteral("Only English\r\nsecond"));
        window->Button18Click();
        QVERIFY(window->Memo1->Text().startsWith(QStringLiteral("安装包括：\r\n")));
        writeFile(QStringLiteral("readme.txt"), QByteArray());
        window->Button18Click();
        QCOMPARE(window->Memo1->Text(), QString());
    }

    void everyPassReloadsTheSidePictures()
    {
        const QString first = QStringLiteral("/soft/images/1.jpg");
        const QString second = QStringLiteral("/soft/images/2.jpg");
        auto window = createWindow(loopbackConfig(m_server.site()));
        // Asked for at start; the views fetch them once the window is up.
        window->show();
        QTRY_COMPARE_WITH_TIMEOUT(m_server.count(first), 1, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(m_server.count(second), 1, 20000);
        window->Button18Click();
        QTRY_COMPARE_WITH_TIMEOUT(m_server.count(first), 2, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(m_server.count(second), 2, 20000);
        window->Button18Click();
        QTRY_COMPARE_WITH_TIMEOUT(m_server.count(first), 3, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(m_server.count(second), 3, 20000);
        QVERIFY(window->WebBrowser1->url().isEmpty());
    }

    void unreadableReadmeAbandonsThePass()
    {
        BoxAnswerer answerer;
        QVERIFY(mkfifo("readme.txt", 0644) == 0);
        qputenv("LC_ALL", "zh_CN.UTF-8");
        auto window = createWindow(loopbackConfig(m_server.site()));
        qputenv("LC_ALL", "C.UTF-8");
        QCOMPARE(answerer.seen.count, 1);
        QVERIFY2(answerer.seen.text.startsWith(QStringLiteral("Cannot open file \"%1/readme.txt\". ").arg(m_directory.path())),
                 qPrintable(answerer.seen.text));
        QCOMPARE(window->Button7->text(), QStringLiteral("柯霖软件QQ群号: 527418306"));
        QVERIFY(window->WebBrowser2->url().isEmpty());

        window->Button19->click();
        checkLanguage(*window, false);
        const QString english = window->Memo1->Text();
        window->Button18->click();
        QCOMPARE(answerer.seen.count, 2);
        QCOMPARE(window->Memo1->Text(), english);
        QCOMPARE(window->Button17->text(), QStringLiteral("Install"));
    }
};

KORINVIEW_TEST_MAIN(TestSetlanguage)
#include "tst_setlanguage.moc"
