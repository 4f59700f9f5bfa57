#pragma once

// Answers every error box with OK as soon as it is up, noting what it said.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

struct BoxSeen
{
    QString caption;
    QString text;
    QString button;
    int count = 0;
};

class BoxAnswerer : public QObject
{
public:
    BoxSeen seen;

    BoxAnswerer()
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &BoxAnswerer::answer);
        m_timer.start();
    }

private:
    void answer()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen.caption = box->windowTitle();
        seen.text = box->text();
        ++seen.count;
        QVERIFY(box->icon() == QMessageBox::Critical);
        QCOMPARE(box->buttons().size(), 1);
        seen.button = box->button(QMessageBox::Ok)->text();
        box->button(QMessageBox::Ok)->click();
    }

    QTimer m_timer;
};
