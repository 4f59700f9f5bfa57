#include "launcher/layout.h"

#include "launcher/catalogue.h"
#include "launcher/korinplot.h"
#include "launcher/korinviewconfig.h"
#include "launcher/tpanel.h"

#include <QColor>
#include <QPalette>

QColor toQColor(TColor color, const QPalette &palette)
{
    if (color == clBtnFace)
        return palette.color(QPalette::Button);
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

std::vector<ControlSpec> designLayout(const KorinviewConfig &config)
{
    using K = TKorinplot;
    using enum TAlign;
    constexpr BevelSpec none{TBevelCut::bvNone, TBevelCut::bvNone, 1};
    constexpr BevelSpec raised{TBevelCut::bvRaised, TBevelCut::bvNone, 1};
    constexpr BevelSpec raisedTwice{TBevelCut::bvRaised, TBevelCut::bvRaised, 3};
    constexpr BevelSpec lowered{TBevelCut::bvLowered, TBevelCut::bvNone, 3};
    constexpr TColor teal = 11907144;
    constexpr TColor lime = 1571761;
    const auto install = [](const char *button) { return QString::fromUtf8(catalogueRow(button).chinese); };

    return {
        // name, slot, parent, {left, top, width, height}, align, bevels, colour, parent background, tab order, caption, click
        {"WebBrowser1", &K::WebBrowser1, nullptr, {0, 52, 1029, 683}, alClient, none, clBtnFace, true, 0, {}, nullptr},
        {"Panel1", &K::Panel1, nullptr, {0, 0, 1029, 52}, alTop, raisedTwice, clBtnFace, true, 1, {}, nullptr},
        {"Panel2", &K::Panel2, "Panel1", {6, 6, 237, 40}, alLeft, none, clBtnFace, true, 0, {}, nullptr},
        {"Button1", &K::Button1, "Panel2", {69, 4, 36, 32}, alNone, none, clBtnFace, true, 0, QStringLiteral("<"), &K::Button1Click},
        {"Button2", &K::Button2, "Panel2", {105, 4, 35, 32}, alNone, none, clBtnFace, true, 1, QStringLiteral("R"), &K::Button2Click},
        {"Button17", &K::Button17, "Panel2", {141, 4, 92, 32}, alNone, none, clBtnFace, true, 2, QStringLiteral("软件安装"), &K::Button17Click},
        {"Button18", &K::Button18, "Panel2", {3, 4, 32, 32}, alNone, none, clBtnFace, true, 3, QStringLiteral("CN"), &K::Button18Click},
        {"Button19", &K::Button19, "Panel2", {36, 4, 32, 32}, alNone, none, clBtnFace, true, 4, QStringLiteral("EN"), &K::Button19Click},
        {"Button4", &K::Button4, "Panel1", {242, 10, 145, 32}, alNone, none, clBtnFace, true, 1, config.siteCaption, &K::Button4Click},
        {"Button5", &K::Button5, "Panel1", {387, 10, 145, 32}, alNone, none, clBtnFace, true, 2, config.productCaption, &K::Button5Click},
        {"Button6", &K::Button6, "Panel1", {532, 10, 110, 32}, alNone, none, clBtnFace, true, 3, QStringLiteral("下载资源"), &K::Button6Click},
        {"Button3", &K::Button3, "Panel1", {642, 10, 95, 32}, alNone, none, clBtnFace, true, 4, QStringLiteral("视频教程"), &K::Button3Click},
        {"Button7", &K::Button7, "Panel1", {737, 10, 280, 32}, alNone, none, clBtnFace, true, 5, QStringLiteral("柯霖软件QQ群号: 527418306"), &K::Button7Click},
        {"Panel3", &K::Panel3, nullptr, {0, 52, 1029, 683}, alClient, raised, clBtnFace, true, 2, {}, nullptr},
        {"Panel4", &K::Panel4, "Panel3", {1, 1, 559, 681}, alLeft, lowered, clBtnFace, true, 0, {}, nullptr},
        {"Panel5", &K::Panel5, "Panel4", {3, 3, 553, 301}, alTop, lowered, clPurple, false, 0, {}, nullptr},
        {"Image1", &K::Image1, "Panel5", {376, 129, 167, 162}, alNone, none, clBtnFace, true, -1, {}, nullptr},
        {"Button8", &K::Button8, "Panel5", {6, 6, 537, 41}, alNone, none, clBtnFace, true, 0, install("Button8"), &K::Button8Click},
        {"Button9", &K::Button9, "Panel5", {6, 88, 537, 41}, alNone, none, clBtnFace, true, 1, install("Button9"), &K::Button9Click},
        {"Button10", &K::Button10, "Panel5", {6, 129, 363, 41}, alNone, none, clBtnFace, true, 2, install("Button10"), &K::Button10Click},
        {"Button23", &K::Button23, "Panel5", {6, 47, 537, 41}, alNone, none, clBtnFace, true, 3, install("Button23"), &K::Button23Click},
        {"Memo1", &K::Memo1, "Panel5", {9, 173, 360, 118}, alNone, none, clBtnFace, true, 4, {}, nullptr},
        {"Panel7", &K::Panel7, "Panel4", {3, 403, 553, 179}, alTop, lowered, teal, false, 2, {}, nullptr},
        {"Button11", &K::Button11, "Panel7", {6, 8, 537, 41}, alNone, none, clBtnFace, true, 0, install("Button11"), &K::Button11Click},
        {"Button12", &K::Button12, "Panel7", {6, 49, 537, 40}, alNone, none, clBtnFace, true, 1, install("Button12"), &K::Button12Click},
        {"Button13", &K::Button13, "Panel7", {6, 89, 537, 41}, alNone, none, clBtnFace, true, 2, install("Button13"), &K::Button13Click},
        {"Button14", &K::Button14, "Panel7", {6, 130, 537, 41}, alNone, none, clBtnFace, true, 3, install("Button14"), &K::Button14Click},
        {"Panel8", &K::Panel8, "Panel4", {3, 582, 553, 96}, alClient, lowered, lime, false, 3, {}, nullptr},
        {"Button15", &K::Button15, "Panel8", {6, 8, 537, 41}, alNone, none, clBtnFace, true, 0, install("Button15"), &K::Button15Click},
        {"Button16", &K::Button16, "Panel8", {6, 50, 537, 41}, alNone, none, clBtnFace, true, 1, install("Button16"), &K::Button16Click},
        {"Panel12", &K::Panel12, "Panel4", {3, 304, 553, 99}, alTop, lowered, clBlue, false, 1, {}, nullptr},
        {"Button21", &K::Button21, "Panel12", {6, 8, 537, 41}, alNone, none, clBtnFace, true, 0, install("Button21"), &K::Button21Click},
        {"Button22", &K::Button22, "Panel12", {6, 49, 537, 40}, alNone, none, clBtnFace, true, 1, install("Button22"), &K::Button22Click},
        {"Panel9", &K::Panel9, "Panel3", {560, 1, 468, 681}, alClient, lowered, clBtnFace, true, 1, {}, nullptr},
        {"Panel10", &K::Panel10, "Panel9", {3, 3, 462, 332}, alTop, lowered, clBtnFace, true, 0, {}, nullptr},
        {"WebBrowser2", &K::WebBrowser2, "Panel10", {3, 3, 456, 326}, alClient, none, clBtnFace, true, 0, {}, nullptr},
        {"Panel11", &K::Panel11, "Panel9", {3, 335, 462, 353}, alTop, lowered, clBtnFace, true, 1, {}, nullptr},
        {"WebBrowser3", &K::WebBrowser3, "Panel11", {3, 3, 456, 347}, alClient, none, clBtnFace, true, 0, {}, nullptr},
    };
}
