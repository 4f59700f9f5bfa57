// Bare-toolkit references for the launcher's start-up, memory and idle costs:
// one plain window of the launcher's client size with 22 push buttons and one
// plain text box. Nothing else: no panels, no picture, no language pass, no
// docking.
//   bench_baseline SITE (or KORINVIEW_BENCH_SITE), e.g. http://127.0.0.1:8080:
//     with three web views, two of which load the side pictures, as the
//     toolkit makes them when nothing is deferred.
//   bench_floor (built with BENCH_FLOOR): without web views, the same window
//     at the speed of the toolkit alone.

#include "baselinelayout.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QWidget>
#ifndef BENCH_FLOOR
#include <QWebEngineView>
#endif

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

int mulDiv(int a, int b, int c)
{
    const std::int64_t product = std::int64_t(a) * b;
    const std::int64_t twice = 2 * product + (product < 0 ? -c : c);
    return static_cast<int>(twice / (2 * std::int64_t(c)));
}

constexpr Box kMainView{0, 52, 1029, 683};
constexpr Box kSideViews[] = {{566, 59, 456, 326}, {566, 391, 456, 347}};

} // namespace

int main(int argc, char *argv[])
{
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication application(argc, argv);
#ifndef BENCH_FLOOR
    const QString site = argc > 1 ? QString::fromLocal8Bit(argv[1]) : qEnvironmentVariable("KORINVIEW_BENCH_SITE");
    if (site.isEmpty()) {
        std::fprintf(stderr, "usage: bench_baseline SITE\n");
        return 2;
    }
#endif

    // Scaled as the launcher is: the font by the density, the layout by the
    // measured height of a text line over its design height of 23.
    const int dpi = qRound(application.primaryScreen()->logicalDotsPerInchY());
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(mulDiv(20, dpi, 120));
    const int n = static_cast<int>(std::ceil(QFontMetricsF(font).height()));
    const auto place = [n](QWidget *widget, const Box &box) {
        const int left = mulDiv(box.left, n, 23);
        const int top = mulDiv(box.top, n, 23);
        widget->setGeometry(left, top, mulDiv(box.left + box.width, n, 23) - left,
                            mulDiv(box.top + box.height, n, 23) - top);
    };

    QWidget window;
#ifdef BENCH_FLOOR
    window.setWindowTitle(QStringLiteral("Floor"));
#else
    window.setWindowTitle(QStringLiteral("Baseline"));
#endif
    window.setFont(font);
    window.resize(mulDiv(1029, n, 23), mulDiv(735, n, 23));

#ifndef BENCH_FLOOR
    // Declared first, so the buttons and the text box are drawn above it, as
    // the launcher's install panel covers its main web view.
    place(new QWebEngineView(&window), kMainView);
#endif
    int number = 0;
    for (const Box &box : kButtons) {
        auto *button = new QPushButton(QStringLiteral("按钮 Button %1").arg(++number), &window);
        place(button, box);
    }
    auto *text = new QPlainTextEdit(&window);
    text->setPlainText(QStringLiteral("安装包括：\nKorinplot\nKorinbeam\nKorinsnip\n----------------------------"));
    place(text, kText);
#ifndef BENCH_FLOOR
    int picture = 0;
    for (const Box &box : kSideViews) {
        auto *view = new QWebEngineView(&window);
        place(view, box);
        view->load(QUrl(site + QStringLiteral("/soft/images/%1.jpg").arg(++picture)));
    }
#endif

    const QRect desktop = application.primaryScreen()->virtualGeometry();
    window.move(desktop.center() - QPoint(window.width() / 2, window.height() / 2));
    window.show();
    return application.exec();
}
