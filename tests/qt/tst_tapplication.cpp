#include "qt/tapplication.h"
#include "core/exception.h"
#include "boxanswerer.h"
#include "testmain.h"

#include <QPushButton>
#include <QTest>

#include <stdexcept>

namespace {

class ThrowingForm : public QWidget
{
public:
    static inline bool shownWhenCreated = true;
    static inline ThrowingForm **reference = nullptr;
    static inline bool reachableDuringConstruction = false;

    ThrowingForm() { reachableDuringConstruction = reference && *reference == this; }
    void FormCreate()
    {
        shownWhenCreated = isVisible();
        throw EFOpenError(u"Cannot open file \"/x/readme.txt\". Permission denied");
    }
};

class BrokenForm : public QWidget
{
public:
    BrokenForm() { throw EOleSysError(u"OLE control activation failed", -1); }
    void FormCreate() {}
};

} // namespace

class TestTApplication : public QObject
{
    Q_OBJECT

private slots:
    void handlerErrorsAreReportedAndTheLoopGoesOn_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("Exception") << 0 << "Unspecified error.";
        QTest::newRow("inner error") << 1 << "Disk gone.";
        QTest::newRow("outside the family") << 2 << "Exception std::runtime_error in module";
    }
    void handlerErrorsAreReportedAndTheLoopGoesOn()
    {
        QFETCH(int, kind);
        QFETCH(QString, text);
        BoxAnswerer answerer;
        QPushButton button;
        int clicks = 0;
        connect(&button, &QPushButton::clicked, this, [&] {
            Application->guarded(&button, [&] {
                ++clicks;
                if (kind == 0)
                    throw EOleException(u"Unspecified error", -1);
                if (kind == 1)
                    throw Exception(u"outer", Exception(u"Disk gone"));
                throw std::runtime_error("bad");
            });
        });
        button.show();
        button.click();
        button.click();
        QCOMPARE(clicks, 2);
        QCOMPARE(answerer.seen.count, 2);
        QCOMPARE(answerer.seen.caption, QStringLiteral("tst_tapplication"));
        QVERIFY2(answerer.seen.text.startsWith(text), qPrintable(answerer.seen.text));
    }

    void abortIsSilent()
    {
        BoxAnswerer answerer;
        bool after = false;
        Application->guarded(nullptr, [] { throw EAbort(u"cancelled"); });
        after = true;
        QTest::qWait(50);
        QVERIFY(after);
        QCOMPARE(answerer.seen.count, 0);
    }

    void formCreateErrorIsReportedBeforeTheFormIsShown()
    {
        BoxAnswerer answerer;
        ThrowingForm *form = nullptr;
        ThrowingForm::reference = &form;
        Application->CreateForm(form);
        QVERIFY(ThrowingForm::reachableDuringConstruction);
        QVERIFY(form);
        QVERIFY(!ThrowingForm::shownWhenCreated);
        QCOMPARE(answerer.seen.count, 1);
        QCOMPARE(answerer.seen.text, QStringLiteral("Cannot open file \"/x/readme.txt\". Permission denied."));
        QCOMPARE(Application->MainForm(), form);
        delete form;
    }

    void constructionErrorIsFatal()
    {
        BrokenForm *form = nullptr;
        QVERIFY_THROWS_EXCEPTION(EOleSysError, Application->CreateForm(form));
        QVERIFY(!form);

        BoxAnswerer answerer;
        int status = 0;
        try {
            Application->CreateForm(form);
        } catch (...) {
            status = Application->ShowFatalException(std::current_exception());
        }
        QCOMPARE(status, 1);
        QCOMPARE(answerer.seen.caption, QStringLiteral("Application Error"));
        QVERIFY2(answerer.seen.text.startsWith(QStringLiteral("Exception EOleSysError in module ")), qPrintable(answerer.seen.text));
        QVERIFY(answerer.seen.text.endsWith(QStringLiteral(".\r\nOLE control activation failed.\r\n")));
    }
};

KORINVIEW_TEST_MAIN(TestTApplication)
#include "tst_tapplication.moc"
