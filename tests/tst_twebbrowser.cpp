#include "loopbackserver.h"
#include "core/exception.h"
#include "platform/twebbrowser.h"
#include "testmain.h"

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
            QCOMPARE(QString::fromStdU16String(error.message()), QStringLiteral("Unspecified error"));
            QCOMPARE(static_cast<quint32>(error.errorCode()), 0x80004005u);
        }
    }

private slots:
    // First: the engine of this process comes up with the first view painted.
    // Until then a view is an empty white page that keeps its requests and
    // carries them out, in order, once the engine is up.
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
        QCOMPARE(oleErrorMessage(0x8000FFFF), QStringLiteral("OLE error 8000FFFF"));
    }
};

KORINVIEW_TEST_MAIN(TestTWebBrowser)
#include "tst_twebbrowser.moc"
