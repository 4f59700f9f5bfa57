#include "qt/tbutton.h"

#include "core/keyaction.h"

#include <QKeyEvent>

namespace {

Key keyOf(int key)
{
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return Key::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Key::Enter;
    case Qt::Key_Space:
        return Key::Space;
    case Qt::Key_Left:
        return Key::Left;
    case Qt::Key_Right:
        return Key::Right;
    case Qt::Key_Up:
        return Key::Up;
    case Qt::Key_Down:
        return Key::Down;
    default:
        return Key::Other;
    }
}

} // namespace

TButton::TButton(QWidget *parent) : QPushButton(parent)
{
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

void TButton::keyPressEvent(QKeyEvent *event)
{
    // Tab reaches the window's focusNextPrevChild before any key handler.
    const Qt::KeyboardModifiers held = event->modifiers();
    const KeyModifiers modifiers{held.testFlag(Qt::ShiftModifier), held.testFlag(Qt::ControlModifier),
                                 held.testFlag(Qt::AltModifier), held.testFlag(Qt::MetaModifier)};
    switch (keyAction(keyOf(event->key()), modifiers, true)) {
    case KeyAction::NextSibling:
        emit arrowKey(true);
        return;
    case KeyAction::PreviousSibling:
        emit arrowKey(false);
        return;
    case KeyAction::Click:
        click();
        return;
    default:
        QPushButton::keyPressEvent(event);
    }
}
