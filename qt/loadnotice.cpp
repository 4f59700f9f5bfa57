#include "qt/loadnotice.h"

#include <QEvent>
#include <QLocale>
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
    const bool chinese = QLocale().language() == QLocale::Chinese;
    if (!m_browserPane)
        return chinese ? QStringLiteral("图片暂时无法显示") : QStringLiteral("Picture not available");
    switch (m_cause) {
    case Cause::NoAnswer:
        return chinese ? QStringLiteral("服务器没有响应。按 R 重试。")
                       : QStringLiteral("The server did not answer. Press R to try again.");
    case Cause::Stopped:
        return chinese ? QStringLiteral("页面意外停止。按 R 重试。")
                       : QStringLiteral("The page stopped unexpectedly. Press R to try again.");
    case Cause::Unreachable:
        break;
    }
    return chinese ? QStringLiteral("无法连接网络。按 R 重试。")
                   : QStringLiteral("The page cannot be reached. Press R to try again.");
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
