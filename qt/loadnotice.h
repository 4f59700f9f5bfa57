#pragma once

#include <QWidget>

// What a web view shows instead of the engine's error page or a white box
// when its page cannot be shown: the button face and one short centred line
// in the interface language, cut to fit, never scrolled.
class LoadNotice : public QWidget
{
    Q_OBJECT

public:
    enum class Cause { Unreachable, NoAnswer, Stopped };

    // A picture view says only that its picture is missing; a browser pane
    // says what happened and that R tries again.
    LoadNotice(bool browserPane, QWidget *parent);

    void report(Cause cause);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QString text() const;

    bool m_browserPane;
    Cause m_cause = Cause::Unreachable;
};
