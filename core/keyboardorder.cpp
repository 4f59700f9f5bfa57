#include "core/keyboardorder.h"

#include <algorithm>
#include <cstring>

namespace {

bool sameParent(const char *a, const char *b)
{
    return a == b || (a && b && std::strcmp(a, b) == 0);
}

// The children of a container (nullptr: the window) that take part in the
// keyboard order, sorted by it.
std::vector<int> orderedChildren(const std::vector<ControlSpec> &layout, const char *parent)
{
    std::vector<int> children;
    for (int row = 0; row < static_cast<int>(layout.size()); ++row) {
        if (sameParent(layout[row].parent, parent) && layout[row].tabOrder >= 0)
            children.push_back(row);
    }
    std::stable_sort(children.begin(), children.end(),
                     [&layout](int a, int b) { return layout[a].tabOrder < layout[b].tabOrder; });
    return children;
}

void walk(const std::vector<ControlSpec> &layout, const char *parent, const RowTest &visible, const RowTest &focusable,
          std::vector<int> &stops)
{
    for (const int row : orderedChildren(layout, parent)) {
        if (!visible(row))
            continue;
        if (layout[row].kind == ControlKind::Panel)
            walk(layout, layout[row].name, visible, focusable, stops);
        else if (focusable(row))
            stops.push_back(row);
    }
}

} // namespace

std::vector<int> tabWalk(const std::vector<ControlSpec> &layout, const RowTest &visible, const RowTest &focusable)
{
    std::vector<int> stops;
    walk(layout, nullptr, visible, focusable, stops);
    return stops;
}

int arrowTarget(const std::vector<ControlSpec> &layout, int row, bool forward, const RowTest &visible)
{
    std::vector<int> siblings = orderedChildren(layout, layout[row].parent);
    std::erase_if(siblings, [&](int sibling) { return sibling != row && !visible(sibling); });
    const auto at = std::find(siblings.begin(), siblings.end(), row) - siblings.begin();
    const auto count = static_cast<std::ptrdiff_t>(siblings.size());
    return siblings[static_cast<std::size_t>(((forward ? at + 1 : at - 1) % count + count) % count)];
}
