#pragma once

#include <QTimer>
#include <QWidget>

// A thin line along a view's top edge that grows as its page loads. It shows
// only for loads that last, so a quick one makes nothing flicker.
class ProgressLine : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressLine(QWidget *parent);

    void start();
    void setProgress(int percent);
    void finish();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTimer m_delay;
    int m_percent = 0;
};
