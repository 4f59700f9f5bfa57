#include "app/placement.h"

#include <cmath>
#include <cstdlib>

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

namespace {

int logicalCoordinate(int device, int origin, qreal ratio)
{
    // The toolkit's own mapping: the offset from the origin, scaled and rounded.
    const auto deviceOf = [&](int logical) { return origin + qRound((logical - origin) * ratio); };
    const int below = origin + int(std::floor((device - origin) / ratio));
    return std::abs(deviceOf(below + 1) - device) <= std::abs(deviceOf(below) - device) ? below + 1 : below;
}

} // namespace

QPoint logicalPosition(const QPoint &device, const QPoint &origin, qreal ratio)
{
    return {logicalCoordinate(device.x(), origin.x(), ratio), logicalCoordinate(device.y(), origin.y(), ratio)};
}
