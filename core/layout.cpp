#include "core/layout.h"

#include "core/catalogue.h"
#include "core/korinplotform.h"
#include "core/korinviewconfig.h"
#include "core/unicode.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

int dockInset(const BevelSpec &bevels, int borderWidth)
{
    const auto width = [&bevels](TBevelCut cut) { return cut != TBevelCut::bvNone ? bevels.width : 0; };
    return borderWidth + width(bevels.outer) + width(bevels.inner);
}

int layoutRow(const std::vector<ControlSpec> &layout, const char *name)
{
    const auto found = std::find_if(layout.begin(), layout.end(),
                                    [name](const ControlSpec &row) { return std::strcmp(row.name, name) == 0; });
    if (found == layout.end())
        throw std::out_of_range(name);
    return static_cast<int>(found - layout.begin());
}

std::vector<ControlSpec> designLayout(const KorinviewConfig &config)
{
    using K = KorinplotForm;
    using enum TAlign;
    using enum ControlKind;
    constexpr BevelSpec none{TBevelCut::bvNone, TBevelCut::bvNone, 1};
    constexpr BevelSpec raised{TBevelCut::bvRaised, TBevelCut::bvNone, 1};
    constexpr BevelSpec raisedTwice{TBevelCut::bvRaised, TBevelCut::bvRaised, 3};
    constexpr BevelSpec lowered{TBevelCut::bvLowered, TBevelCut::bvNone, 3};
    constexpr TColor teal = 11907144;
    constexpr TColor lime = 1571761;
    const auto install = [](const char *button) { return fromUtf8(catalogueRow(button).chinese); };

    return {
        // name, kind, parent, {left, top, width, height}, align, bevels, colour, parent background, tab order, caption, click
        {"WebBrowser1", WebBrowser, nullptr, {0, 52, 1029, 683}, alClient, none, clBtnFace, true, 0, {}, nullptr},
        {"Panel1", Panel, nullptr, {0, 0, 1029, 52}, alTop, raisedTwice, clBtnFace, true, 1, {}, nullptr},
        {"Panel2", Panel, "Panel1", {6, 6, 237, 40}, alLeft, none, clBtnFace, true, 0, {}, nullptr},
        {"Button1", Button, "Panel2", {69, 4, 36, 32}, alNone, none, clBtnFace, true, 0, u"<", &K::Button1Click},
        {"Button2", Button, "Panel2", {105, 4, 35, 32}, alNone, none, clBtnFace, true, 1, u"R", &K::Button2Click},
        {"Button17", Button, "Panel2", {141, 4, 92, 32}, alNone, none, clBtnFace, true, 2, u"软件安装", &K::Button17Click},
        {"Button18", Button, "Panel2", {3, 4, 32, 32}, alNone, none, clBtnFace, true, 3, u"CN", &K::Button18Click},
        {"Button19", Button, "Panel2", {36, 4, 32, 32}, alNone, none, clBtnFace, true, 4, u"EN", &K::Button19Click},
        {"Button4", Button, "Panel1", {242, 10, 145, 32}, alNone, none, clBtnFace, true, 1, config.siteCaption, &K::Button4Click},
        {"Button5", Button, "Panel1", {387, 10, 145, 32}, alNone, none, clBtnFace, true, 2, config.productCaption, &K::Button5Click},
        {"Button6", Button, "Panel1", {532, 10, 110, 32}, alNone, none, clBtnFace, true, 3, u"下载资源", &K::Button6Click},
        {"Button3", Button, "Panel1", {642, 10, 95, 32}, alNone, none, clBtnFace, true, 4, u"视频教程", &K::Button3Click},
        {"Button7", Button, "Panel1", {737, 10, 280, 32}, alNone, none, clBtnFace, true, 5, u"柯霖软件QQ群号: 527418306", &K::Button7Click},
        {"Panel3", Panel, nullptr, {0, 52, 1029, 683}, alClient, raised, clBtnFace, true, 2, {}, nullptr},
        {"Panel4", Panel, "Panel3", {1, 1, 559, 681}, alLeft, lowered, clBtnFace, true, 0, {}, nullptr},
        {"Panel5", Panel, "Panel4", {3, 3, 553, 301}, alTop, lowered, clPurple, false, 0, {}, nullptr},
        {"Image1", Image, "Panel5", {376, 129, 167, 162}, alNone, none, clBtnFace, true, -1, {}, nullptr},
        {"Button8", Button, "Panel5", {6, 6, 537, 41}, alNone, none, clBtnFace, true, 0, install("Button8"), &K::Button8Click},
        {"Button9", Button, "Panel5", {6, 88, 537, 41}, alNone, none, clBtnFace, true, 1, install("Button9"), &K::Button9Click},
        {"Button10", Button, "Panel5", {6, 129, 363, 41}, alNone, none, clBtnFace, true, 2, install("Button10"), &K::Button10Click},
        {"Button23", Button, "Panel5", {6, 47, 537, 41}, alNone, none, clBtnFace, true, 3, install("Button23"), &K::Button23Click},
        {"Memo1", Memo, "Panel5", {9, 173, 360, 118}, alNone, none, clBtnFace, true, 4, {}, nullptr},
        {"Panel7", Panel, "Panel4", {3, 403, 553, 179}, alTop, lowered, teal, false, 2, {}, nullptr},
        {"Button11", Button, "Panel7", {6, 8, 537, 41}, alNone, none, clBtnFace, true, 0, install("Button11"), &K::Button11Click},
        {"Button12", Button, "Panel7", {6, 49, 537, 40}, alNone, none, clBtnFace, true, 1, install("Button12"), &K::Button12Click},
        {"Button13", Button, "Panel7", {6, 89, 537, 41}, alNone, none, clBtnFace, true, 2, install("Button13"), &K::Button13Click},
        {"Button14", Button, "Panel7", {6, 130, 537, 41}, alNone, none, clBtnFace, true, 3, install("Button14"), &K::Button14Click},
        {"Panel8", Panel, "Panel4", {3, 582, 553, 96}, alClient, lowered, lime, false, 3, {}, nullptr},
        {"Button15", Button, "Panel8", {6, 8, 537, 41}, alNone, none, clBtnFace, true, 0, install("Button15"), &K::Button15Click},
        {"Button16", Button, "Panel8", {6, 50, 537, 41}, alNone, none, clBtnFace, true, 1, install("Button16"), &K::Button16Click},
        {"Panel12", Panel, "Panel4", {3, 304, 553, 99}, alTop, lowered, clBlue, false, 1, {}, nullptr},
        {"Button21", Button, "Panel12", {6, 8, 537, 41}, alNone, none, clBtnFace, true, 0, install("Button21"), &K::Button21Click},
        {"Button22", Button, "Panel12", {6, 49, 537, 40}, alNone, none, clBtnFace, true, 1, install("Button22"), &K::Button22Click},
        {"Panel9", Panel, "Panel3", {560, 1, 468, 681}, alClient, lowered, clBtnFace, true, 1, {}, nullptr},
        {"Panel10", Panel, "Panel9", {3, 3, 462, 332}, alTop, lowered, clBtnFace, true, 0, {}, nullptr},
        {"WebBrowser2", WebBrowser, "Panel10", {3, 3, 456, 326}, alClient, none, clBtnFace, true, 0, {}, nullptr},
        {"Panel11", Panel, "Panel9", {3, 335, 462, 353}, alTop, lowered, clBtnFace, true, 1, {}, nullptr},
        {"WebBrowser3", WebBrowser, "Panel11", {3, 3, 456, 347}, alClient, none, clBtnFace, true, 0, {}, nullptr},
    };
}
