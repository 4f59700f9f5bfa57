#pragma once

#include <QPushButton>

// A push button that also takes Enter as a click and moves the focus among
// its siblings with the arrow keys, in keyboard order, wrapping around.
class TButton : public QPushButton
{
    Q_OBJECT

public:
    explicit TButton(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void focusSibling(bool forward);
};

// Keyboard order of a control within its container; controls without one
// (the picture) are never focused.
int tabOrderOf(const QWidget *control);
void setTabOrderOf(QWidget *control, int tabOrder);
