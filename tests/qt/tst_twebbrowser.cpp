#include "loopbackserver.h"
#include "core/exception.h"
#include "qt/twebbrowser.h"
#include "testmain.h"
#include "qt/utf16.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QTest>

class TestTWebBrowser : public QObject
{
    Q_OBJECT

private:
    static void expectRefusedBack(TWebBrowser &view)
    {
        try {
            view.GoBack();
            QFAIL("GoBack with no earlier page was accepted");
        } catch (const EOleException &error) {
            QCOMPARE(toQString(error.message()), QStringLiteral("Unspecified error"));
            QCOMPARE(static_cast<quint32>(error.errorCode()), 0x80004005u);
        }
    }

private slots:
    // First: the engine of this process comes up at the first page asked
    // for. Until then a view is an empty white page that keeps its requests
    // and carries them out, in order, once the engine is up.
    void requestsWaitForTheEngine()
    {
        LoopbackServer server;
        TWebBrowser view;
        view.resize(400, 300);
        QVERIFY(view.url().isEmpty());
        QVERIFY(view.focusPolicy() & Qt::TabFocus);
        view.Navigate(server.site() + QStringLiteral("/first"));
        view.Navigate(server.site() + QStringLiteral("/second"));
        expectRefusedBack(view);
        QVERIFY(!view.view());
        QCOMPARE(view.grab().toImage().pixelColor(200, 150), QColor(Qt::white));

        view.show();
        QTRY_VERIFY_WITH_TIMEOUT(view.view(), 20000);
        QCOMPARE(view.view()->geometry(), view.rect());
        QTRY_COMPARE_WITH_TIMEOUT(view.url().path(), QStringLiteral("/second"), 20000);
        view.resize(300, 200);
        QCOMPARE(view.view()->geometry(), view.rect());
    }

    void navigateBackAndRefresh()
    {
        LoopbackServer server;
        TWebBrowser view;
        view.resize(400, 300);
        view.show();
        QVERIFY(view.view());

        view.Navigate(server.site() + QStringLiteral("/first"));
        QTRY_COMPARE_WITH_TIMEOUT(view.title(), QStringLiteral("/first"), 20000);
        expectRefusedBack(view);
        view.Navigate(server.site() + QStringLiteral("/second"));
        QTRY_COMPARE_WITH_TIMEOUT(view.title(), QStringLiteral("/second"), 20000);

        view.GoBack();
        QTRY_COMPARE_WITH_TIMEOUT(view.url().path(), QStringLiteral("/first"), 20000);

        const int before = server.count(QStringLiteral("/first"));
        view.Refresh();
        QTRY_COMPARE_WITH_TIMEOUT(server.count(QStringLiteral("/first")), before + 1, 20000);
    }

    // A view inside a panel shows a picture itself, on the engine's dark
    // image background, named as the engine names it; a page goes to the
    // engine, which asks again; an HTTP error shows the notice, not the
    // picture before it. The picture's menu copies it.
    void sideViewShowsPicturesItself()
    {
        LoopbackServer server;
        QWidget window;
        QWidget panel(&window);
        TWebBrowser view(&panel);
        view.resize(200, 100);
        window.resize(200, 100);
        window.show();
        const auto colourAt = [&view](int x, int y) { return view.grab().toImage().pixelColor(x, y); };
        const auto isRed = [](const QColor &colour) { return colour.red() > 200 && colour.blue() < 60; };

        // In the interface language, as the engine asks.
        QLocale::setDefault(QLocale(QStringLiteral("zh_CN")));
        view.Navigate(server.site() + QStringLiteral("/1.jpg"));
        QTRY_COMPARE_WITH_TIMEOUT(view.title(), QStringLiteral("1.jpg (64\u00d764)"), 20000);
        QCOMPARE(server.acceptLanguage(), QByteArray("zh-CN,zh"));
        QLocale::setDefault(QLocale::c());
        QCOMPARE(view.url().path(), QStringLiteral("/1.jpg"));
        QVERIFY(isRed(colourAt(100, 50)));
        QVERIFY(isRed(colourAt(68, 18)));
        QCOMPARE(colourAt(66, 50), QColor(14, 14, 14));
        QCOMPARE(colourAt(100, 16), QColor(14, 14, 14));
        QCOMPARE(colourAt(0, 0), QColor(14, 14, 14));

        auto *picture = view.focusProxy();
        QVERIFY(picture && picture->isVisible());
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(100, 50), picture->mapToGlobal(QPoint(100, 50)));
        QCoreApplication::sendEvent(picture, &click);
        auto *menu = picture->findChild<QMenu *>();
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 3);
        menu->actions().at(1)->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), server.site() + QStringLiteral("/1.jpg"));
        menu->actions().at(0)->trigger();
        QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(64, 64));
        menu->close();

        view.Navigate(server.site() + QStringLiteral("/page"));
        QTRY_COMPARE_WITH_TIMEOUT(view.title(), QStringLiteral("/page"), 20000);
        QCOMPARE(server.count(QStringLiteral("/page")), 2);
        QCOMPARE(view.focusProxy(), view.view());

        view.Navigate(server.site() + QStringLiteral("/2.jpg"));
        QTRY_COMPARE_WITH_TIMEOUT(view.title(), QStringLiteral("2.jpg (64\u00d764)"), 20000);
        QVERIFY(colourAt(100, 50).blue() > 200);

        view.Navigate(server.site() + QStringLiteral("/missing.jpg"));
        QTRY_COMPARE_WITH_TIMEOUT(colourAt(5, 5), view.palette().color(QPalette::Button), 20000);
        QCOMPARE(server.count(QStringLiteral("/missing.jpg")), 1);
    }
};

KORINVIEW_TEST_MAIN(TestTWebBrowser)
#include "tst_twebbrowser.moc"
