#pragma once

#include <vector>

// Docking modes of a control, in the order the docking pass places them.
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

struct DockRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const DockRect &) const = default;
};

// The control tree as the docking pass sees it: bounds relative to the
// parent's client area, docking mode, visibility and, for containers, how far
// the bevels and border push docked children in. Node 0 is the window.
struct DockNode
{
    TAlign align = TAlign::alNone;
    DockRect bounds;
    bool visible = true;
    int inset = 0;
    int parent = -1;
    std::vector<int> children; // declaration order
};

class DockTree
{
public:
    // Adds a node as the last-declared child of parent (-1 for the root).
    int add(int parent, TAlign align, DockRect bounds, int inset = 0);

    const DockNode &node(int index) const { return m_nodes[index]; }
    int size() const { return static_cast<int>(m_nodes.size()); }

    // Docking is held back while the tree is built; enabling it runs the
    // pass over the whole tree, containers before their children.
    void enableDocking();

    // Each change runs the parent's pass (started by the changed node) and the
    // node's own pass when its size changed.
    void setBounds(int index, DockRect bounds);
    void setVisible(int index, bool visible);
    void setInset(int index, int inset);

private:
    void realign(int container, int startedBy);
    void alignControls(int container, int startedBy, std::vector<int> &resized);

    std::vector<DockNode> m_nodes;
    bool m_enabled = false;
};
