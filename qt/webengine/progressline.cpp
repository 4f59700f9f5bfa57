#include "qt/webengine/progressline.h"

#include <QPainter>

#include <algorithm>

using namespace std::chrono_literals;

ProgressLine::ProgressLine(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_delay.setSingleShot(true);
    m_delay.setInterval(300ms);
    connect(&m_delay, &QTimer::timeout, this, [this] {
        show();
        raise();
    });
    hide();
}

void ProgressLine::start()
{
    m_percent = 0;
    m_delay.start();
}

void ProgressLine::setProgress(int percent)
{
    m_percent = percent;
    update();
}

void ProgressLine::finish()
{
    m_delay.stop();
    hide();
}

void ProgressLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    // A sliver from the start, so a load still waiting for its answer shows too.
    const int done = std::max(height() * 4, width() * m_percent / 100);
    painter.fillRect(0, 0, done, height(), palette().color(QPalette::Highlight));
}
