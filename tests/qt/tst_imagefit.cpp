#include "core/imagefit.h"

#include <QTest>

class TestImageFit : public QObject
{
    Q_OBJECT

private:
    static void expect(const ImageFit &fit, double left, double top, int width, int height)
    {
        QCOMPARE(fit.left, left);
        QCOMPARE(fit.top, top);
        QCOMPARE(fit.width, width);
        QCOMPARE(fit.height, height);
    }

private slots:
    // Smaller than the view: its own size, centred, half units kept.
    void smallPictureIsCentredNotEnlarged()
    {
        expect(fitAndCentre(120, 80, 357, 255), 118.5, 87.5, 120, 80);
        expect(fitAndCentre(357, 255, 357, 255), 0, 0, 357, 255);
    }

    // Larger: the side that meets its edge first fills it exactly, the other
    // keeps the aspect, cut to whole units.
    void largePictureShrinksToFit()
    {
        expect(fitAndCentre(900, 600, 357, 255), 0, 8.5, 357, 238);
        expect(fitAndCentre(456, 326, 357, 255), 0.5, 0, 356, 255);
        expect(fitAndCentre(300, 1000, 357, 255), 140.5, 0, 76, 255);
        // Only one side too long still scales both.
        expect(fitAndCentre(400, 100, 357, 255), 0, 83, 357, 89);
    }

    // A picture far wider than high keeps at least one unit; sizes whose
    // products leave 32 bits do not overflow.
    void extremesStayInTheView()
    {
        expect(fitAndCentre(100000, 1, 357, 255), 0, 127, 357, 1);
        const ImageFit huge = fitAndCentre(60000, 40000, 46000, 30000);
        QCOMPARE(huge.width, 45000);
        QCOMPARE(huge.height, 30000);
        expect(fitAndCentre(0, 10, 357, 255), 0, 0, 0, 0);
        expect(fitAndCentre(10, 10, 0, 255), 0, 0, 0, 0);
    }
};

QTEST_APPLESS_MAIN(TestImageFit)
#include "tst_imagefit.moc"
