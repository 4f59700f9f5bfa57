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

struct WalkedRow
{
    int row;
    bool stop;
};

// Every row of the keyboard order, depth first, hidden ones too, each
// marked whether Tab stops at it.
void walk(const std::vector<ControlSpec> &layout, const char *parent, bool shown, const RowTest &visible,
          const RowTest &focusable, std::vector<WalkedRow> &rows)
{
    for (const int row : orderedChildren(layout, parent)) {
        const bool rowShown = shown && visible(row);
        if (layout[row].kind == ControlKind::Panel) {
            rows.push_back({row, false});
            walk(layout, layout[row].name, rowShown, visible, focusable, rows);
        } else {
            rows.push_back({row, rowShown && focusable(row)});
        }
    }
}

std::vector<WalkedRow> walked(const std::vector<ControlSpec> &layout, const RowTest &visible, const RowTest &focusable)
{
    std::vector<WalkedRow> rows;
    walk(layout, nullptr, true, visible, focusable, rows);
    return rows;
}

} // namespace

std::vector<int> tabWalk(const std::vector<ControlSpec> &layout, const RowTest &visible, const RowTest &focusable)
{
    std::vector<int> stops;
    for (const WalkedRow &entry : walked(layout, visible, focusable)) {
        if (entry.stop)
            stops.push_back(entry.row);
    }
    return stops;
}

int tabTarget(const std::vector<ControlSpec> &layout, int row, bool forward, const RowTest &visible,
              const RowTest &focusable)
{
    const std::vector<WalkedRow> rows = walked(layout, visible, focusable);
    const auto count = static_cast<std::ptrdiff_t>(rows.size());
    const auto found = std::find_if(rows.begin(), rows.end(), [row](const WalkedRow &entry) { return entry.row == row; });
    // From outside the walk, as from just before its start or after its end.
    std::ptrdiff_t at = found != rows.end() ? found - rows.begin() : (forward ? count - 1 : 0);
    for (std::ptrdiff_t step = 1; step <= count; ++step) {
        const std::ptrdiff_t next = ((forward ? at + step : at - step) % count + count) % count;
        if (rows[static_cast<std::size_t>(next)].stop)
            return rows[static_cast<std::size_t>(next)].row;
    }
    return -1;
}

int arrowTarget(const std::vector<ControlSpec> &layout, int row, bool forward, const RowTest &visible)
{
    std::vector<int> siblings = orderedChildren(layout, layout[row].parent);
    std::erase_if(siblings, [&](int sibling) { return sibling != row && !visible(sibling); });
    const auto at = std::find(siblings.begin(), siblings.end(), row) - siblings.begin();
    const auto count = static_cast<std::ptrdiff_t>(siblings.size());
    return siblings[static_cast<std::size_t>(((forward ? at + 1 : at - 1) % count + count) % count)];
}
