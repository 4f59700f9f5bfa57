// Micro-benchmarks of the work done on the GUI thread: a language switch
// and the picture decode. Prints medians; asserts nothing.

#include "qt/tapplication.h"
#include "qt/korinplot.h"
#include "qt/jpegimage.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// prepare runs untimed before each timed run of work.
void report(const char *what, const std::function<void()> &work, const std::function<void()> &prepare = {},
            int runs = 51)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("%s: median %.3f ms (min %.3f, max %.3f, %d runs)\n", what, times[times.size() / 2], times.front(),
                times.back(), runs);
}

} // namespace

int main(int argc, char *argv[])
{
    TApplication::prepareWebEngine();
    TApplication application(argc, argv);

    // Nothing listens on the discard port, so no page ever loads.
    KorinviewConfig config = KorinviewConfig::fromBuild();
    config.site = u"http://127.0.0.1:9";
    TKorinplot window(config);
    window.show();
    const auto chinese = [&] { window.setlanguage(2052); };
    const auto english = [&] { window.setlanguage(2308); };
    report("setlanguage EN -> CN", chinese, english);
    report("setlanguage CN -> EN", english, chinese);

    Q_INIT_RESOURCE(korinview);
    QFile picture(QStringLiteral(":/qrcode.jpg"));
    picture.open(QIODevice::ReadOnly);
    const QByteArray jpeg = picture.readAll();
    report("picture decode (344 x 344 JPEG)", [&] { decodeJpeg(jpeg); });
    return 0;
}
