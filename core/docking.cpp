#include "core/docking.h"

#include <algorithm>
#include <array>
#include <map>

namespace {

// Whether a takes its place before b in a group: the nearer edge first;
// for top and left ties keep declaration order, for bottom and right the
// later-declared child wins.
bool precedes(TAlign align, const DockRect &a, const DockRect &b)
{
    switch (align) {
    case TAlign::alTop:
        return a.top < b.top;
    case TAlign::alLeft:
        return a.left < b.left;
    case TAlign::alBottom:
        return a.top + a.height >= b.top + b.height;
    case TAlign::alRight:
        return a.left + a.width >= b.left + b.width;
    default:
        return false;
    }
}

} // namespace

int DockTree::add(int parent, TAlign align, DockRect bounds, int inset)
{
    DockNode node;
    node.align = align;
    node.bounds = bounds;
    node.inset = inset;
    node.parent = parent;
    m_nodes.push_back(node);
    const int index = size() - 1;
    if (parent >= 0)
        m_nodes[parent].children.push_back(index);
    return index;
}

void DockTree::enableDocking()
{
    m_enabled = true;
    // Containers come before their children, so each pass sees its
    // container's final size.
    for (int i = 0; i < size(); ++i) {
        if (!m_nodes[i].children.empty())
            realign(i, -1);
    }
}

void DockTree::setBounds(int index, DockRect bounds)
{
    const DockRect old = m_nodes[index].bounds;
    m_nodes[index].bounds = bounds;
    if (!m_enabled)
        return;
    if (m_nodes[index].parent >= 0)
        realign(m_nodes[index].parent, index);
    const DockRect &now = m_nodes[index].bounds;
    if (now.width != old.width || now.height != old.height || m_nodes[index].parent < 0)
        realign(index, -1);
}

void DockTree::setVisible(int index, bool visible)
{
    if (m_nodes[index].visible == visible)
        return;
    m_nodes[index].visible = visible;
    if (m_enabled && m_nodes[index].parent >= 0)
        realign(m_nodes[index].parent, index);
}

void DockTree::setInset(int index, int inset)
{
    if (m_nodes[index].inset == inset)
        return;
    m_nodes[index].inset = inset;
    if (m_enabled)
        realign(index, -1);
}

void DockTree::realign(int container, int startedBy)
{
    // Containers resized by a pass run their own pass after it; one that keeps
    // being resized is realigned at most eleven times.
    constexpr int kMostRealignments = 11;
    std::vector<int> pending;
    std::map<int, int> realigned;
    alignControls(container, startedBy, pending);
    realigned[container] = 1;
    for (std::size_t next = 0; next < pending.size(); ++next) {
        const int child = pending[next];
        if (++realigned[child] > kMostRealignments)
            continue;
        alignControls(child, -1, pending);
    }
}

void DockTree::alignControls(int container, int startedBy, std::vector<int> &resized)
{
    const DockNode &node = m_nodes[container];
    const bool anyDocked = std::any_of(node.children.begin(), node.children.end(),
                                       [this](int child) { return m_nodes[child].align != TAlign::alNone; });
    if (!anyDocked)
        return;

    int left = node.inset;
    int top = node.inset;
    int right = node.bounds.width - node.inset;
    int bottom = node.bounds.height - node.inset;

    constexpr std::array kGroups{TAlign::alTop, TAlign::alBottom, TAlign::alLeft,
                                 TAlign::alRight, TAlign::alClient, TAlign::alCustom};
    for (const TAlign group : kGroups) {
        std::vector<int> order;
        const auto inGroup = [&](int child) { return m_nodes[child].visible && m_nodes[child].align == group; };
        if (startedBy >= 0 && m_nodes[startedBy].parent == container && inGroup(startedBy))
            order.push_back(startedBy);
        for (const int child : node.children) {
            if (child == startedBy || !inGroup(child))
                continue;
            const auto before = std::find_if(order.begin(), order.end(), [&](int placed) {
                return precedes(group, m_nodes[child].bounds, m_nodes[placed].bounds);
            });
            order.insert(before, child);
        }
        if (group == TAlign::alCustom)
            continue;

        for (const int child : order) {
            DockRect &r = m_nodes[child].bounds;
            const DockRect old = r;
            const int width = right - left;
            const int height = bottom - top;
            switch (group) {
            case TAlign::alTop:
                r = {left, top, width, old.height};
                top += old.height;
                break;
            case TAlign::alBottom:
                r = {left, bottom - old.height, width, old.height};
                bottom -= old.height;
                break;
            case TAlign::alLeft:
                r = {left, top, old.width, height};
                left += old.width;
                break;
            case TAlign::alRight:
                r = {right - old.width, top, old.width, height};
                right -= old.width;
                break;
            default:
                r = {left, top, width, height};
                break;
            }
            // No room left: the child keeps its own extent rather than a negative one.
            if (r.width < 0)
                r.width = old.width;
            if (r.height < 0)
                r.height = old.height;
            if ((r.width != old.width || r.height != old.height) && !m_nodes[child].children.empty())
                resized.push_back(child);
        }
    }
}
