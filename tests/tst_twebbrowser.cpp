#include "loopbackserver.h"
#include "platform/exception.h"
#include "platform/twebbrowser.h"
#include "testmain.h"

#include <QSignalSpy>
#include <QTest>
#include <QWebEngineHistory>

class TestTWebBrowser : public QObject
{
    Q_OBJECT

private:
    static bool loaded(TWebBrowser &view, QSignalSpy &spy)
    {
        return spy.wait(20000) && spy.takeFirst().at(0).toBool() && view.url().isValid();
    }

private slots:
    void startsEmpty()
    {
        TWebBrowser view;
        view.resize(456, 326);
        QVERIFY(view.url().isEmpty());
        QCOMPARE(view.size(), QSize(456, 326));
        QVERIFY(view.focusPolicy() & Qt::TabFocus);
    }

    void navigateBackAndRefresh()
    {
        LoopbackServer server;
        TWebBrowser view;
        view.resize(400, 300);
        view.show();
        QSignalSpy finished(&view, &QWebEngineView::loadFinished);

        view.Navigate(server.site() + QStringLiteral("/first"));
        QVERIFY(loaded(view, finished));
        view.Navigate(server.site() + QStringLiteral("/second"));
        QVERIFY(loaded(view, finished));
        QCOMPARE(view.url().path(), QStringLiteral("/second"));

        view.GoBack();
        QTRY_COMPARE_WITH_TIMEOUT(view.url().path(), QStringLiteral("/first"), 20000);

        const int before = server.count(QStringLiteral("/first"));
        view.Refresh();
        QTRY_COMPARE_WITH_TIMEOUT(server.count(QStringLiteral("/first")), before + 1, 20000);
    }

    void goBackWithoutHistoryIsRefused()
    {
        TWebBrowser view;
        try {
            view.GoBack();
            QFAIL("GoBack with no earlier page was accepted");
        } catch (const EOleException &error) {
            QCOMPARE(error.message(), QStringLiteral("Unspecified error"));
            QCOMPARE(static_cast<quint32>(error.errorCode()), 0x80004005u);
        }
        QCOMPARE(oleErrorMessage(0x8000FFFF), QStringLiteral("OLE error 8000FFFF"));
    }
};

KORINVIEW_TEST_MAIN(TestTWebBrowser)
#include "tst_twebbrowser.moc"
