#include "qt/loadnotice.h"

#include "qt/uitext.h"

#include <QEvent>
#include <QPainter>

LoadNotice::LoadNotice(bool browserPane, QWidget *parent) : QWidget(parent), m_browserPane(browserPane)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void LoadNotice::report(Cause cause)
{
    m_cause = cause;
    // Read out as well as drawn.
    setAccessibleName(text());
    update();
    QWidget::show();
    raise();
}

QString LoadNotice::text() const
{
    if (!m_browserPane)
        return uiText(UserText::PictureNotAvailable);
    switch (m_cause) {
    case Cause::NoAnswer:
        return uiText(UserText::PageNoAnswer);
    case Cause::Stopped:
        return uiText(UserText::PageStopped);
    case Cause::Unreachable:
        break;
    }
    return uiText(UserText::PageUnreachable);
}

void LoadNotice::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::ButtonText));
    const int margin = fontMetrics().averageCharWidth();
    const QRect line = rect().adjusted(margin, 0, -margin, 0);
    painter.drawText(line, Qt::AlignCenter, fontMetrics().elidedText(text(), Qt::ElideRight, line.width()));
}

void LoadNotice::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        setAccessibleName(text());
        update();
    }
}
