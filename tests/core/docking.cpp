#include "core/docking.h"

#include "tests/core/show.h"

#include <doctest.h>

#include <map>
#include <string>

namespace {

using enum TAlign;

// The window's docked containers with their stored bounds, in declaration order.
struct Window
{
    DockTree tree;
    std::map<std::string, int> at;

    Window()
    {
        const auto add = [this](const char *name, const char *parent, TAlign align, DockRect bounds, int inset) {
            at[name] = tree.add(parent ? at[parent] : -1, align, bounds, inset);
        };
        add("Korinplot", nullptr, alNone, {0, 0, 1029, 735}, 0);
        add("WebBrowser1", "Korinplot", alClient, {0, 52, 1029, 683}, 0);
        add("Panel1", "Korinplot", alTop, {0, 0, 1029, 52}, 6);
        add("Panel2", "Panel1", alLeft, {6, 6, 237, 40}, 0);
        add("Button7", "Panel1", alNone, {737, 10, 280, 32}, 0);
        add("Panel3", "Korinplot", alClient, {0, 52, 1029, 683}, 1);
        add("Panel4", "Panel3", alLeft, {1, 1, 559, 681}, 3);
        add("Panel5", "Panel4", alTop, {3, 3, 553, 301}, 3);
        add("Panel7", "Panel4", alTop, {3, 403, 553, 179}, 3);
        add("Panel8", "Panel4", alClient, {3, 582, 553, 96}, 3);
        add("Panel12", "Panel4", alTop, {3, 304, 553, 99}, 3);
        add("Panel9", "Panel3", alClient, {560, 1, 468, 681}, 3);
        add("Panel10", "Panel9", alTop, {3, 3, 462, 332}, 3);
        add("WebBrowser2", "Panel10", alClient, {3, 3, 456, 326}, 0);
        add("Panel11", "Panel9", alTop, {3, 335, 462, 353}, 3);
        add("WebBrowser3", "Panel11", alClient, {3, 3, 456, 347}, 0);
        tree.enableDocking();
    }

    DockRect operator[](const char *name) const { return tree.node(at.at(name)).bounds; }
    void resize(int width, int height) { tree.setBounds(0, {0, 0, width, height}); }
};

const std::map<std::string, DockRect> kDesign = {
    {"WebBrowser1", {0, 52, 1029, 683}}, {"Panel1", {0, 0, 1029, 52}}, {"Panel2", {6, 6, 237, 40}},
    {"Button7", {737, 10, 280, 32}}, {"Panel3", {0, 52, 1029, 683}}, {"Panel4", {1, 1, 559, 681}},
    {"Panel5", {3, 3, 553, 301}}, {"Panel7", {3, 403, 553, 179}}, {"Panel8", {3, 582, 553, 96}},
    {"Panel12", {3, 304, 553, 99}}, {"Panel9", {560, 1, 468, 681}}, {"Panel10", {3, 3, 462, 332}},
    {"WebBrowser2", {3, 3, 456, 326}}, {"Panel11", {3, 335, 462, 353}}, {"WebBrowser3", {3, 3, 456, 347}},
};

void compareWithDesign(const Window &window)
{
    for (const auto &[name, bounds] : kDesign) {
        CAPTURE(name);
        CHECK(window[name.c_str()] == bounds);
    }
}

} // namespace

TEST_CASE("the design geometry")
{
    Window window;
    compareWithDesign(window);
}

TEST_CASE("a wider window widens the right column and the toolbar")
{
    Window window;
    window.resize(1129, 735);
    CHECK(window["Panel1"] == (DockRect{0, 0, 1129, 52}));
    CHECK(window["Panel9"] == (DockRect{560, 1, 568, 681}));
    CHECK(window["WebBrowser3"] == (DockRect{3, 3, 556, 347}));
    CHECK(window["Panel4"] == kDesign.at("Panel4"));
    CHECK(window["Button7"] == kDesign.at("Button7"));
}

TEST_CASE("a taller window gives the rows to the last group")
{
    Window window;
    window.resize(1029, 835);
    CHECK(window["Panel4"] == (DockRect{1, 1, 559, 781}));
    CHECK(window["Panel8"] == (DockRect{3, 582, 553, 196}));
    CHECK(window["Panel11"] == (DockRect{3, 335, 462, 353}));
    CHECK(window["Panel10"] == (DockRect{3, 3, 462, 332}));
}

TEST_CASE("too short a window squeezes the last group to nothing and comes back")
{
    Window window;
    // Panel4 offers 678 - 3 = 675 rows; the fixed groups need 3 + 579.
    window.resize(1029, 52 + 2 + 582 + 3);
    CHECK(window["Panel8"] == (DockRect{3, 582, 553, 0}));
    window.resize(1029, 600);
    CHECK(window["Panel8"] == (DockRect{3, 582, 553, 0}));
    CHECK(window["Panel7"] == (DockRect{3, 403, 553, 179}));
    window.resize(1029, 735);
    compareWithDesign(window);
}

TEST_CASE("too narrow a window keeps both columns and comes back")
{
    Window window;
    window.resize(500, 735);
    CHECK(window["Panel4"] == (DockRect{1, 1, 559, 681}));
    CHECK(window["Panel9"] == (DockRect{560, 1, 468, 681}));
    CHECK(window["Panel1"] == (DockRect{0, 0, 500, 52}));
    window.resize(1029, 735);
    compareWithDesign(window);
}

TEST_CASE("hiding groups leaves those above in place")
{
    Window window;
    window.tree.setVisible(window.at["Panel7"], false);
    window.tree.setVisible(window.at["Panel8"], false);
    CHECK(window["Panel5"] == kDesign.at("Panel5"));
    CHECK(window["Panel12"] == kDesign.at("Panel12"));
    const DockRect hidden = window["Panel8"];
    window.resize(1100, 800);
    CHECK(window["Panel8"] == hidden);
    window.resize(1029, 735);
    window.tree.setVisible(window.at["Panel7"], true);
    window.tree.setVisible(window.at["Panel8"], true);
    compareWithDesign(window);
}

TEST_CASE("order within a group")
{
    // Equal tops keep declaration order, unless one of them started the pass.
    DockTree tree;
    tree.add(-1, alNone, {0, 0, 100, 100});
    const int first = tree.add(0, alTop, {0, 0, 100, 10});
    const int second = tree.add(0, alTop, {0, 0, 100, 20});
    tree.enableDocking();
    CHECK(tree.node(first).bounds.top == 0);
    CHECK(tree.node(second).bounds.top == 10);
    tree.setBounds(second, {0, 0, 100, 20});
    CHECK(tree.node(second).bounds.top == 0);
    CHECK(tree.node(first).bounds.top == 20);

    // Of two level bottom-docked children the later-declared one is nearer the edge.
    DockTree bottom;
    bottom.add(-1, alNone, {0, 0, 100, 100});
    const int a = bottom.add(0, alBottom, {0, 90, 100, 10});
    const int b = bottom.add(0, alBottom, {0, 90, 100, 10});
    bottom.enableDocking();
    CHECK(bottom.node(b).bounds.top == 90);
    CHECK(bottom.node(a).bounds.top == 80);
}

TEST_CASE("a bevel change re-docks the levels below it")
{
    // A bevel change inside a deep chain re-docks every level below it once.
    Window window;
    window.tree.setInset(window.at["Panel9"], 5);
    CHECK(window["Panel10"] == (DockRect{5, 5, 458, 332}));
    CHECK(window["WebBrowser2"] == (DockRect{3, 3, 452, 326}));
}
