#pragma once

#include "launcher/docking.h"

#include <QString>

#include <cstdint>
#include <variant>
#include <vector>

class TKorinplot;
class TPanel;
class TButton;
class TMemo;
class TImage;
class TWebBrowser;
struct KorinviewConfig;
class QPalette;
class QColor;

enum class TBevelCut;

// A colour as stored in the layout: red in the low byte, then green, then
// blue; values with the high byte 0xFF name a system colour instead.
using TColor = std::uint32_t;
inline constexpr TColor clBtnFace = 0xFF00000F;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clBlue = 0xFF0000;

QColor toQColor(TColor color, const QPalette &palette);

// The window member that holds a control; its type is the control's kind.
using ControlSlot = std::variant<TPanel *TKorinplot::*, TButton *TKorinplot::*, TMemo *TKorinplot::*,
                                 TImage *TKorinplot::*, TWebBrowser *TKorinplot::*>;

struct BevelSpec
{
    TBevelCut outer;
    TBevelCut inner;
    int width;
};

// One control of the window, in design pixels of a 120 dots-per-inch screen.
struct ControlSpec
{
    const char *name;
    ControlSlot slot;
    const char *parent; // nullptr: the window itself
    DockRect bounds;
    TAlign align;
    BevelSpec bevels;
    TColor color;
    bool parentBackground;
    int tabOrder; // -1: never focused
    QString caption;
    void (TKorinplot::*click)();
};

inline constexpr int kDesignClientWidth = 1029;
inline constexpr int kDesignClientHeight = 735;

// Every control in declaration order, each container before its children.
std::vector<ControlSpec> designLayout(const KorinviewConfig &config);
