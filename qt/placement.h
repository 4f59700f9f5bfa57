#pragma once

#include <QPoint>

// The logical position that the toolkit, scaling by `ratio` about `origin`
// (where logical and device coordinates coincide), puts nearest to the device
// position `device`; of two equally near, the one down and to the right, so
// that a window placed at the desktop's top-left edge stays on the desktop.
QPoint logicalPosition(const QPoint &device, const QPoint &origin, qreal ratio);
