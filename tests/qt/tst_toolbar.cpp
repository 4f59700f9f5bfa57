#include "boxanswerer.h"
#include "qt/tbutton.h"
#include "qt/twebbrowser.h"
#include "testmain.h"
#include "windowfixture.h"
#include "qt/utf16.h"

#include <QMenu>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

namespace {

int stackIndex(const QWidget *control)
{
    return static_cast<int>(control->parentWidget()->children().indexOf(const_cast<QWidget *>(control)));
}

bool webViewOnTop(const TKorinplot &window)
{
    return stackIndex(window.WebBrowser1) > stackIndex(window.Panel3);
}

// The entries of the context menu a right click on the main view's page
// opens; the page takes clicks only once it is drawn, so it is clicked again
// until the menu shows.
QStringList contextMenu(const TKorinplot &window)
{
    QWidget *page = window.WebBrowser1->view()->focusProxy();
    QMenu *menu = nullptr;
    const auto shown = [&menu] { return (menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())); };
    for (int attempt = 0; attempt < 20; ++attempt) {
        QTest::mouseClick(page, Qt::RightButton, {}, QPoint(400, 400));
        if (QTest::qWaitFor(shown, 1000))
            break;
    }
    QStringList entries;
    if (menu) {
        for (const QAction *action : menu->actions())
            entries << action->text();
        menu->close();
    }
    return entries;
}

} // namespace

class TestToolbar : public QObject
{
    Q_OBJECT

private:
    LoopbackServer m_server;

    TButton *button(TKorinplot &window, const QString &name)
    {
        return window.findChild<TButton *>(name);
    }

private slots:
    void installButtonsOpenTheirDownloads_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("path");
        QTest::newRow("Button8") << "Button8" << "/soft/Korinplot/Korinplot.exe";
        QTest::newRow("Button23") << "Button23" << "/soft/Korinplot/KorinplotX.exe";
        QTest::newRow("Button9") << "Button9" << "/soft/Korinplot/Korinplot_cn.exe";
        QTest::newRow("Button10") << "Button10" << "/soft/Korinplot/Korinplot_lite.exe";
        QTest::newRow("Button21") << "Button21" << "/soft/Korinplot5.20/Korinplot_left.exe";
        QTest::newRow("Button22") << "Button22" << "/soft/Korinplot5.20/Korinplot_right.exe";
        QTest::newRow("Button11") << "Button11" << "/soft/soft340/setupA_left_std.exe";
        QTest::newRow("Button12") << "Button12" << "/soft/soft340/setupA_right_std.exe";
        QTest::newRow("Button13") << "Button13" << "/soft/soft340/setupA_left_lite.exe";
        QTest::newRow("Button14") << "Button14" << "/soft/soft340/setupA_right_lite.exe";
        QTest::newRow("Button15") << "Button15" << "/soft/soft340/setupB_left_lite.exe";
        QTest::newRow("Button16") << "Button16" << "/soft/soft340/setupB_right_lite.exe";
    }
    void installButtonsOpenTheirDownloads()
    {
        QFETCH(QString, control);
        QFETCH(QString, path);
        OpenedAddresses opened;
        auto window = createWindow(loopbackConfig(m_server.site()));
        window->Button18Click();
        window->show();
        QTest::mouseClick(button(*window, control), Qt::LeftButton);
        QTest::mouseClick(button(*window, control), Qt::LeftButton);
        const QString address = m_server.site() + path;
        QCOMPARE(opened.addresses, QStringList({address, address}));
    }

    void englishOffersFourInstallButtons()
    {
        auto window = createWindow(loopbackConfig(m_server.site()));
        window->Button19Click();
        QStringList shown;
        for (const char *name : {"Button8", "Button23", "Button9", "Button10", "Button21", "Button22", "Button11",
                                 "Button12", "Button13", "Button14", "Button15", "Button16"}) {
            if (button(*window, QLatin1String(name))->isVisibleTo(window.get()))
                shown << QLatin1String(name);
        }
        QCOMPARE(shown, QStringList({"Button8", "Button23", "Button21", "Button22"}));
    }

    void linkButtonsOpenTheirAddresses()
    {
        OpenedAddresses opened;
        const KorinviewConfig config = loopbackConfig(m_server.site());
        auto window = createWindow(config);
        for (TButton *link : {window->Button4, window->Button5, window->Button6, window->Button7})
            link->click();
        QCOMPARE(opened.addresses,
                 QStringList({m_server.site(), QStringLiteral("http://127.0.0.2"),
                              m_server.site() + QStringLiteral("/share/home?uk=") + toQString(config.shareKey),
                              m_server.site() + QStringLiteral("/wpa/qunwpa?idkey=") + toQString(config.groupKey)}));
        QVERIFY(!webViewOnTop(*window));
    }

    // The box's own button speaks the interface language: the system's at
    // start, then whatever CN and EN choose.
    void backAtStartIsReportedAndChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QString>("ok");
        QTest::newRow("English") << QByteArray("en_US.UTF-8") << QStringLiteral("OK");
        QTest::newRow("Chinese") << QByteArray("zh_CN.UTF-8") << QStringLiteral("确定");
    }
    void backAtStartIsReportedAndChangesNothing()
    {
        QFETCH(QByteArray, locale);
        QFETCH(QString, ok);
        const QByteArray before = qgetenv("LC_ALL");
        const auto restore = qScopeGuard([before] { qputenv("LC_ALL", before); });
        qputenv("LC_ALL", locale);
        BoxAnswerer answerer;
        auto window = createWindow(loopbackConfig(m_server.site()));
        const auto pages = [this] {
            return m_server.requests().filter(QRegularExpression(QStringLiteral("^(?!/soft/images/)"))).size();
        };
        const auto requests = pages();
        window->Button1->click();
        QCOMPARE(answerer.seen.count, 1);
        QCOMPARE(answerer.seen.caption, Application->Title());
        QCOMPARE(answerer.seen.text, QStringLiteral("Unspecified error."));
        QCOMPARE(answerer.seen.button, ok);
        QVERIFY(!webViewOnTop(*window));
        window->Button2->click();
        QCOMPARE(answerer.seen.count, 1);
        QTest::qWait(200);
        QCOMPARE(pages(), requests);

        window->Button19->click();
        window->Button1->click();
        QCOMPARE(answerer.seen.button, QStringLiteral("OK"));
        window->Button18->click();
        window->Button1->click();
        QCOMPARE(answerer.seen.button, QStringLiteral("确定"));
        QCOMPARE(answerer.seen.count, 3);
    }

    void videoInstallBackAndReload()
    {
        BoxAnswerer answerer;
        auto window = createWindow(loopbackConfig(m_server.site()));
        window->show();
        const QString video = QStringLiteral("/search_video/q_Korinplot");
        const QRect shared = window->Panel3->geometry();

        window->Button3->click();
        QVERIFY(webViewOnTop(*window));
        QTRY_COMPARE_WITH_TIMEOUT(window->WebBrowser1->url().path(), video, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(window->WebBrowser1->title(), video, 20000);

        // A page opened by script without a user's gesture would be skipped by
        // going back, so the second page is opened as the user's own navigation.
        window->WebBrowser1->Navigate(m_server.site() + QStringLiteral("/followed"));
        QTRY_COMPARE_WITH_TIMEOUT(window->WebBrowser1->url().path(), QStringLiteral("/followed"), 20000);

        window->Button17->click();
        QVERIFY(!webViewOnTop(*window));
        QCOMPARE(window->Panel3->geometry(), shared);
        QCOMPARE(window->WebBrowser1->geometry(), shared);

        window->Button1->click();
        QTRY_COMPARE_WITH_TIMEOUT(window->WebBrowser1->url().path(), video, 20000);
        QVERIFY(!webViewOnTop(*window));

        const int reloads = m_server.count(video);
        window->Button2->click();
        QTRY_COMPARE_WITH_TIMEOUT(m_server.count(video), reloads + 1, 20000);

        window->Button19->click();
        window->Button18->click();
        QVERIFY(!webViewOnTop(*window));
        QCOMPARE(m_server.count(video), reloads + 1);

        window->Button3->click();
        QVERIFY(webViewOnTop(*window));
        QTRY_COMPARE_WITH_TIMEOUT(m_server.count(video), reloads + 2, 20000);
        QCOMPARE(answerer.seen.count, 0);

        // The page's context menu speaks the interface language, not the
        // one it was first opened in.
        QTRY_COMPARE_WITH_TIMEOUT(window->WebBrowser1->title(), video, 20000);
        QVERIFY(contextMenu(*window).contains(QStringLiteral("重新加载")));
        window->Button19->click();
        QCOMPARE(contextMenu(*window).filter(QStringLiteral("Reload")).size(), 1);
    }

    // A page's own alert speaks the interface language, caption included
    // (the engine's own caption is English whatever the language).
    void pageAlertInTheInterfaceLanguage()
    {
        auto window = createWindow(loopbackConfig(m_server.site()));
        window->show();
        // The alert runs its own event loop, so it is answered from a timer.
        QString caption;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&caption] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                caption = box->windowTitle() + QLatin1Char('|') + box->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
        answer.start(10);
        const auto alertCaption = [this, &window, &caption] {
            caption.clear();
            window->WebBrowser1->Navigate(m_server.site() + QStringLiteral("/alert"));
            return QTest::qWaitFor([&caption] { return !caption.isEmpty(); }, 20000) ? caption : QStringLiteral("no alert");
        };
        window->Button18->click();
        QCOMPARE(alertCaption(), QStringLiteral("127.0.0.1 显示|Hello"));
        window->Button19->click();
        QCOMPARE(alertCaption(), QStringLiteral("127.0.0.1 says|Hello"));
    }
};

KORINVIEW_TEST_MAIN(TestToolbar)
#include "tst_toolbar.moc"
