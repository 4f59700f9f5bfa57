#include "qt/tbutton.h"

#include <QKeyEvent>

TButton::TButton(QWidget *parent) : QPushButton(parent)
{
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

void TButton::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        emit arrowKey(true);
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
        emit arrowKey(false);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            click();
            return;
        }
        break;
    default:
        break;
    }
    QPushButton::keyPressEvent(event);
}
