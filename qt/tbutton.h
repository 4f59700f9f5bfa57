#pragma once

#include <QPushButton>

// A push button that also takes Enter as a click and hands the arrow keys
// to its window, which moves the focus among the button's siblings.
class TButton : public QPushButton
{
    Q_OBJECT

public:
    explicit TButton(QWidget *parent = nullptr);

signals:
    // Right and Down go forward, Left and Up back.
    void arrowKey(bool forward);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
