#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Top-left of a window of the given outer size centred on the virtual desktop
// (the bounding rectangle of all screens), never left of or above it.
QPoint desktopCentre(const QRect &desktop, const QSize &outer);
