#include "app/placement.h"

QPoint desktopCentre(const QRect &desktop, const QSize &outer)
{
    // C++ integer division truncates toward zero, as the placement rule wants.
    int left = desktop.width() / 2 + desktop.left() - outer.width() / 2;
    int top = desktop.height() / 2 + desktop.top() - outer.height() / 2;
    if (left < desktop.left())
        left = desktop.left();
    if (top < desktop.top())
        top = desktop.top();
    return {left, top};
}
