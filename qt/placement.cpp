#include "qt/placement.h"

#include <cmath>
#include <cstdlib>

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
