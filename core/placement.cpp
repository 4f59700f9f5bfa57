#include "core/placement.h"

DockPoint desktopCentre(const DockRect &desktop, int outerWidth, int outerHeight)
{
    // C++ integer division truncates toward zero, as the placement rule wants.
    int left = desktop.width / 2 + desktop.left - outerWidth / 2;
    int top = desktop.height / 2 + desktop.top - outerHeight / 2;
    if (left < desktop.left)
        left = desktop.left;
    if (top < desktop.top)
        top = desktop.top;
    return {left, top};
}
