#include "qt/tpanel.h"

#include <QPainter>
#include <QPalette>

namespace {

QColor qColor(const Rgb &rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

Rgb rgb(const QColor &color)
{
    return {color.red(), color.green(), color.blue()};
}

SystemColors systemColors(const QPalette &palette)
{
    // The layout's one system colour, the face of a button.
    return [button = rgb(palette.color(QPalette::Button))](TColor) { return button; };
}

} // namespace

TPanel::TPanel(QWidget *parent) : QWidget(parent)
{
    // Every pixel is painted, so whatever lies below (the main web view under
    // the install panel) is neither drawn nor seen.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

template <class T>
void TPanel::setBevelAttribute(T &attribute, T value)
{
    if (attribute == value)
        return;
    attribute = value;
    update();
    emit bevelsChanged();
}

void TPanel::setBevelOuter(TBevelCut cut) { setBevelAttribute(m_bevelOuter, cut); }
void TPanel::setBevelInner(TBevelCut cut) { setBevelAttribute(m_bevelInner, cut); }
void TPanel::setBevelWidth(int width) { setBevelAttribute(m_bevelWidth, width); }
void TPanel::setBorderWidth(int width) { setBevelAttribute(m_borderWidth, width); }

void TPanel::setColor(TColor color)
{
    m_color = color;
    update();
}

void TPanel::setParentBackground(bool parentBackground)
{
    m_parentBackground = parentBackground;
    update();
}

QColor TPanel::backgroundColor() const
{
    std::vector<PanelFill> outwards;
    const QWidget *container = this;
    while (const auto *panel = qobject_cast<const TPanel *>(container)) {
        outwards.push_back({panel->m_color, panel->m_parentBackground});
        container = panel->parentWidget();
    }
    const QColor shownByContainer =
        container ? container->palette().color(container->backgroundRole()) : palette().color(QPalette::Button);
    return qColor(shownColor(outwards, rgb(shownByContainer), systemColors(palette())));
}

int TPanel::dockInset() const
{
    return ::dockInset({m_bevelOuter, m_bevelInner, m_bevelWidth}, m_borderWidth);
}

void TPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor highlight = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor fill = backgroundColor();
    for (const PanelStroke &stroke : panelStrokes(width(), height(), {m_bevelOuter, m_bevelInner, m_bevelWidth}, m_borderWidth)) {
        const DockRect &r = stroke.rect;
        painter.fillRect(r.left, r.top, r.width, r.height,
                         stroke.shade == PanelShade::Highlight ? highlight
                         : stroke.shade == PanelShade::Shadow  ? shadow
                                                               : fill);
    }
}
