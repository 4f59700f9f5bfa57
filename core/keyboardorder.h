#pragma once

#include "core/layout.h"

#include <functional>
#include <vector>

// Which rows of the layout the window shows and which of them can take the
// keyboard focus, as the front end knows them.
using RowTest = std::function<bool(int row)>;

// The rows the Tab key walks through, in order: depth first, the children of
// each container in keyboard order (ties in declaration order) and each
// container's children right after it. Panels are never stops; a hidden
// control and everything inside a hidden panel are skipped.
std::vector<int> tabWalk(const std::vector<ControlSpec> &layout, const RowTest &visible, const RowTest &focusable);

// Where Tab (forward) or Shift+Tab moves the focus from a row: the first stop
// after it in that walk, or the last stop before it, wrapping around. Any
// row counts at its place in the walk, a panel the arrow keys reached or a
// control just hidden as much as a stop; from no row (-1) the walk starts at
// its first or last stop. -1 when there is no stop.
int tabTarget(const std::vector<ControlSpec> &layout, int row, bool forward, const RowTest &visible,
              const RowTest &focusable);

// Where an arrow key moves the focus from a row: to the next (or previous)
// visible sibling in keyboard order, wrapping around, panels included.
int arrowTarget(const std::vector<ControlSpec> &layout, int row, bool forward, const RowTest &visible);
