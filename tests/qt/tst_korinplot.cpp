#include "qt/tbutton.h"
#include "qt/timage.h"
#include "qt/tmemo.h"
#include "qt/tpanel.h"
#include "qt/twebbrowser.h"
#include "testmain.h"
#include "windowfixture.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// Every control with its bounds in its parent, indented by depth.
QString printTree(const QWidget *container, int depth = 0)
{
    QString text;
    for (const QObject *child : container->children()) {
        const auto *control = qobject_cast<const QWidget *>(child);
        if (!control || control->objectName().isEmpty() || control->isWindow())
            continue;
        const QRect g = control->geometry();
        text += QString(depth, QLatin1Char(' '))
                + QStringLiteral("%1 %2,%3 %4x%5\n").arg(control->objectName()).arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
        if (qobject_cast<const TPanel *>(control))
            text += printTree(control, depth + 1);
    }
    return text;
}

const char kDesignTree[] = R"(WebBrowser1 0,52 1029x683
Panel1 0,0 1029x52
 Panel2 6,6 237x40
  Button1 69,4 36x32
  Button2 105,4 35x32
  Button17 141,4 92x32
  Button18 3,4 32x32
  Button19 36,4 32x32
 Button4 242,10 145x32
 Button5 387,10 145x32
 Button6 532,10 110x32
 Button3 642,10 95x32
 Button7 737,10 280x32
Panel3 0,52 1029x683
 Panel4 1,1 559x681
  Panel5 3,3 553x301
   Image1 376,129 167x162
   Button8 6,6 537x41
   Button9 6,88 537x41
   Button10 6,129 363x41
   Button23 6,47 537x41
   Memo1 9,173 360x118
  Panel7 3,403 553x179
   Button11 6,8 537x41
   Button12 6,49 537x40
   Button13 6,89 537x41
   Button14 6,130 537x41
  Panel8 3,582 553x96
   Button15 6,8 537x41
   Button16 6,50 537x41
  Panel12 3,304 553x99
   Button21 6,8 537x41
   Button22 6,49 537x40
 Panel9 560,1 468x681
  Panel10 3,3 462x332
   WebBrowser2 3,3 456x326
  Panel11 3,335 462x353
   WebBrowser3 3,3 456x347
)";

QStringList names(const std::vector<QWidget *> &controls)
{
    QStringList list;
    for (const QWidget *control : controls)
        list << control->objectName();
    return list;
}

int stackIndex(const QWidget *control)
{
    return static_cast<int>(control->parentWidget()->children().indexOf(const_cast<QWidget *>(control)));
}

QString focusedControl()
{
    for (QWidget *w = QApplication::focusWidget(); w; w = w->parentWidget()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1Char('q')))
            return w->objectName();
    }
    return {};
}

const QStringList kChineseWalk = {
    "WebBrowser1", "Button1", "Button2", "Button17", "Button18", "Button19",
    "Button4", "Button5", "Button6", "Button3", "Button7",
    "Button8", "Button9", "Button10", "Button23", "Memo1",
    "Button21", "Button22", "Button11", "Button12", "Button13", "Button14",
    "Button15", "Button16", "WebBrowser2", "WebBrowser3"};

} // namespace

class TestKorinplot : public QObject
{
    Q_OBJECT

private:
    LoopbackServer m_server;

private slots:
    void designGeometry()
    {
        auto window = createWindow(loopbackConfig(m_server.site()));
        window->Button18Click();
        QCOMPARE(window->textHeight(), 23);
        QCOMPARE(window->size(), QSize(1029, 735));
        QCOMPARE(window->windowTitle(), QStringLiteral("Korinview"));
        QCOMPARE(window->font().family(), QStringLiteral("Arial"));
        QCOMPARE(window->font().pixelSize(), 20);
        QCOMPARE(printTree(window.get()), QString::fromUtf8(kDesignTree));
    }

    void resizingFollowsTheDockingRules()
    {
        auto window = createWindow(loopbackConfig(m_server.site()));
        window->Button18Click();
        window->show();
        window->resize(1129, 835);
        QCOMPARE(window->Panel9->geometry(), QRect(560, 1, 568, 781));
        QCOMPARE(window->Panel8->geometry(), QRect(3, 582, 553, 196));
        QCOMPARE(window->Panel11->geometry(), QRect(3, 335, 562, 353));
        QCOMPARE(window->WebBrowser1->geometry(), QRect(0, 52, 1129, 783));
        QCOMPARE(window->Button7->geometry(), QRect(737, 10, 280, 32));
        window->resize(1029, 735);
        QCOMPARE(printTree(window.get()), QString::fromUtf8(kDesignTree));
    }

    void englishLeavesTheRestInPlace()
    {
        auto window = createWindow(loopbackConfig(m_server.site()));
        window->Button19Click();
        QVERIFY(!window->Panel7->isVisibleTo(window.get()));
        QCOMPARE(window->Panel12->geometry(), QRect(3, 304, 553, 99));
        QCOMPARE(window->Button23->geometry(), QRect(6, 47, 537, 41));
        window->Button18Click();
        QCOMPARE(printTree(window.get()), QString::fromUtf8(kDesignTree));
    }

    // In English the install side is empty below Panel12; it shows the same
    // button face as the toolbar, not the main web view lying under it.
    void englishInstallSideShowsButtonFace()
    {
        auto window = createWindow(loopbackConfig(m_server.site()));
        window->Button19Click();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QImage image = window->grab().toImage();
        const QColor toolbar = image.pixelColor(500, 8);
        QCOMPARE(toolbar, window->palette().color(QPalette::Button));
        // Panel4's inside, from Panel12's bottom edge to Panel4's lower bevel.
        const QRect empty(1 + 3, 52 + 1 + 403, 553, 681 - 403 - 3);
        for (int y = empty.top(); y <= empty.bottom(); ++y)
            for (int x = empty.left(); x <= empty.right(); ++x)
                if (image.pixelColor(x, y) != toolbar)
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is %3").arg(x).arg(y).arg(image.pixelColor(x, y).name())));
    }

    void installPanelCoversTheWebViewUntilVideo()
    {
        auto window = createWindow(loopbackConfig(m_server.site()));
        QVERIFY(stackIndex(window->Panel3) > stackIndex(window->WebBrowser1));
        QVERIFY(stackIndex(window->Memo1) > stackIndex(window->Image1));
        window->Button3Click();
        QVERIFY(stackIndex(window->WebBrowser1) > stackIndex(window->Panel3));
        window->Button17Click();
        QVERIFY(stackIndex(window->Panel3) > stackIndex(window->WebBrowser1));
        QCOMPARE(window->Panel3->geometry(), window->WebBrowser1->geometry());
    }

    void tabWalk()
    {
        auto window = createWindow(loopbackConfig(m_server.site()));
        window->Button18Click();
        QCOMPARE(names(window->tabStops()), kChineseWalk);
        window->Button19Click();
        QStringList english = kChineseWalk;
        for (const char *hidden : {"Button9", "Button10", "Button11", "Button12", "Button13", "Button14", "Button15", "Button16"})
            english.removeAll(QLatin1String(hidden));
        QCOMPARE(names(window->tabStops()), english);
    }

    void keyboard()
    {
        auto window = createWindow(loopbackConfig(m_server.site()));
        window->Button18Click();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTRY_COMPARE(focusedControl(), QStringLiteral("WebBrowser1"));

        window->Button1->setFocus();
        QStringList walked{focusedControl()};
        for (int i = 0; i < 22; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << focusedControl();
        }
        QCOMPARE(walked, kChineseWalk.mid(1, 23));
        window->Button1->setFocus();
        QTest::keyClick(window->Button1, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focusedControl(), QStringLiteral("WebBrowser1"));

        // Arrows stay among a button's siblings and wrap around.
        window->Button7->setFocus();
        QTest::keyClick(window->Button7, Qt::Key_Right);
        QCOMPARE(focusedControl(), QStringLiteral("Panel2"));
        // From a panel Tab goes into it, Shift+Tab back before it.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focusedControl(), QStringLiteral("Button1"));
        window->Button4->setFocus();
        QTest::keyClick(window->Button4, Qt::Key_Left);
        QCOMPARE(focusedControl(), QStringLiteral("Panel2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focusedControl(), QStringLiteral("WebBrowser1"));
        window->Button18->setFocus();
        QTest::keyClick(window->Button18, Qt::Key_Right);
        QCOMPARE(focusedControl(), QStringLiteral("Button19"));
        QTest::keyClick(window->Button19, Qt::Key_Down);
        QCOMPARE(focusedControl(), QStringLiteral("Button1"));
        QTest::keyClick(window->Button1, Qt::Key_Up);
        QCOMPARE(focusedControl(), QStringLiteral("Button19"));

        // Enter and space click the focused button.
        window->Button3Click();
        window->Button17->setFocus();
        QTest::keyClick(window->Button17, Qt::Key_Return);
        QVERIFY(stackIndex(window->Panel3) > stackIndex(window->WebBrowser1));
        window->Button19->setFocus();
        QTest::keyClick(window->Button19, Qt::Key_Space);
        QVERIFY(!window->Button9->isVisibleTo(window.get()));
    }
};

KORINVIEW_TEST_MAIN_AT_DPI(TestKorinplot, 120)
#include "tst_korinplot.moc"
