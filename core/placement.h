#pragma once

#include "core/docking.h"

struct DockPoint
{
    int x = 0;
    int y = 0;
    bool operator==(const DockPoint &) const = default;
};

// Top-left of a window of the given outer size centred on the virtual desktop
// (the bounding rectangle of all screens), never left of or above it.
DockPoint desktopCentre(const DockRect &desktop, int outerWidth, int outerHeight);
