#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Top-left of a window of the given outer size centred on the virtual desktop
// (the bounding rectangle of all screens), never left of or above it.
QPoint desktopCentre(const QRect &desktop, const QSize &outer);

// The logical position that the toolkit, scaling by `ratio` about `origin`
// (where logical and device coordinates coincide), puts nearest to the device
// position `device`; of two equally near, the one down and to the right, so
// that a window placed at the desktop's top-left edge stays on the desktop.
QPoint logicalPosition(const QPoint &device, const QPoint &origin, qreal ratio);
