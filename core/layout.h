#pragma once

#include "core/docking.h"

#include <cstdint>
#include <string>
#include <vector>

class KorinplotForm;
struct KorinviewConfig;

enum class ControlKind { Panel, Button, Memo, Image, WebBrowser };
enum class TBevelCut { bvNone, bvLowered, bvRaised };

// A colour as stored in the layout: red in the low byte, then green, then
// blue; values with the high byte 0xFF name a system colour instead.
using TColor = std::uint32_t;
inline constexpr TColor clBtnFace = 0xFF00000F;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clBlue = 0xFF0000;

constexpr bool isSystemColor(TColor color) { return (color >> 24) == 0xFF; }
constexpr int redOf(TColor color) { return color & 0xFF; }
constexpr int greenOf(TColor color) { return (color >> 8) & 0xFF; }
constexpr int blueOf(TColor color) { return (color >> 16) & 0xFF; }

struct BevelSpec
{
    TBevelCut outer;
    TBevelCut inner;
    int width;
};

// How far in from a panel's edge docked children begin: the border, then
// one bevel width for each bevel drawn.
int dockInset(const BevelSpec &bevels, int borderWidth = 0);

// One control of the window, in design pixels of a 120 dots-per-inch screen.
struct ControlSpec
{
    const char *name;
    ControlKind kind;
    const char *parent; // nullptr: the window itself
    DockRect bounds;
    TAlign align;
    BevelSpec bevels;
    TColor color;
    bool parentBackground;
    int tabOrder; // -1: never focused
    std::u16string caption;
    void (KorinplotForm::*click)();
};

inline constexpr int kDesignClientWidth = 1029;
inline constexpr int kDesignClientHeight = 735;

// Every control in declaration order, each container before its children.
std::vector<ControlSpec> designLayout(const KorinviewConfig &config);

// The row of the control of that name; std::out_of_range for a name the
// layout does not have.
int layoutRow(const std::vector<ControlSpec> &layout, const char *name);
