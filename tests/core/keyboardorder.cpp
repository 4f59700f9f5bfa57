#include "core/keyboardorder.h"

#include "core/korinviewconfig.h"

#include <doctest.h>

#include <string>

namespace {

const std::vector<ControlSpec> kLayout = designLayout(KorinviewConfig{});

int row(const char *name)
{
    return layoutRow(kLayout, name);
}

std::string nameOf(int target)
{
    return target < 0 ? "none" : kLayout[static_cast<std::size_t>(target)].name;
}

} // namespace

// The arrow keys reach panels, which are no stops: Tab from one must go on
// into it, not start again at the covered main view.
TEST_CASE("Tab and Shift+Tab from any row")
{
    const auto all = [](int) { return true; };
    const auto tab = [&](const char *from, bool forward, const RowTest &visible) {
        return nameOf(tabTarget(kLayout, from ? row(from) : -1, forward, visible, all));
    };

    CHECK(tab("Panel2", true, all) == "Button1");
    CHECK(tab("Panel2", false, all) == "WebBrowser1");
    CHECK(tab("Panel5", true, all) == "Button8");
    CHECK(tab("Panel5", false, all) == "Button7");
    // Between stops, and round the ends.
    CHECK(tab("Button19", true, all) == "Button4");
    CHECK(tab("WebBrowser3", true, all) == "WebBrowser1");
    CHECK(tab("WebBrowser1", false, all) == "WebBrowser3");
    CHECK(tab(nullptr, true, all) == "WebBrowser1");
    CHECK(tab(nullptr, false, all) == "WebBrowser3");

    // A hidden control is passed over, and one that was just hidden with the
    // focus on it hands it on from where it stood; so does a hidden panel.
    const int hidden = row("Button9");
    const auto shown = [hidden](int r) { return r != hidden; };
    CHECK(tab("Button8", true, shown) == "Button10");
    CHECK(tab("Button10", false, shown) == "Button8");
    CHECK(tab("Button9", true, shown) == "Button10");
    const int panel = row("Panel12");
    const auto panelHidden = [panel](int r) { return r != panel; };
    CHECK(tab("Memo1", true, panelHidden) == "Button11");
    CHECK(tab("Button21", true, panelHidden) == "Button11");

    CHECK(tab("Panel2", true, [](int) { return false; }) == "none");
}
