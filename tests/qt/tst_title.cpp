#include "core/title.h"
#include "u16.h"

#include <QTest>

class TestTitle : public QObject
{
    Q_OBJECT

private slots:
    void title_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("upper case with extension") << "/opt/KORINVIEW.EXE" << "Korinview";
        QTest::newRow("cut at the first dot") << "/usr/bin/launcher.beta.exe" << "launcher";
        QTest::newRow("one letter") << "/X.EXE" << "X";
        QTest::newRow("installed name") << "/usr/bin/korinview" << "korinview";
        QTest::newRow("dot in a directory") << "/home/a.b/Korin" << "Korin";
        QTest::newRow("non-ASCII lowered") << "/tmp/ÄÖÜ" << "Äöü";
    }
    void title()
    {
        QFETCH(QString, path);
        QFETCH(QString, title);
        const LowerCase lower = [](std::u16string_view text) { return u16(toQString(text).toLower()); };
        QCOMPARE(qs(titleFromExecutablePath(u16(path), u'/', lower)), title);
    }
};

QTEST_APPLESS_MAIN(TestTitle)
#include "tst_title.moc"
#include "qt/utf16.h"
