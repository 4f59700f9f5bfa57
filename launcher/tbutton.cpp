#include "launcher/tbutton.h"

#include <QKeyEvent>

#include <algorithm>

namespace {
constexpr char kTabOrderProperty[] = "TabOrder";
}

int tabOrderOf(const QWidget *control)
{
    const QVariant order = control->property(kTabOrderProperty);
    return order.isValid() ? order.toInt() : -1;
}

void setTabOrderOf(QWidget *control, int tabOrder)
{
    control->setProperty(kTabOrderProperty, tabOrder);
}

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
        focusSibling(true);
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
        focusSibling(false);
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

void TButton::focusSibling(bool forward)
{
    if (!parentWidget())
        return;
    std::vector<QWidget *> siblings;
    for (QObject *child : parentWidget()->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (widget && !widget->isWindow() && widget->isVisible() && tabOrderOf(widget) >= 0)
            siblings.push_back(widget);
    }
    std::stable_sort(siblings.begin(), siblings.end(),
                     [](const QWidget *a, const QWidget *b) { return tabOrderOf(a) < tabOrderOf(b); });
    const auto here = std::find(siblings.begin(), siblings.end(), this);
    if (here == siblings.end())
        return;
    const auto count = static_cast<std::ptrdiff_t>(siblings.size());
    const std::ptrdiff_t index = here - siblings.begin();
    // Moved by key: the next control draws its focus frame even when this
    // one got the focus from the mouse.
    window()->setAttribute(Qt::WA_KeyboardFocusChange);
    siblings[(index + (forward ? 1 : count - 1)) % count]->setFocus(Qt::OtherFocusReason);
}
