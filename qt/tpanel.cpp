#include "qt/tpanel.h"

#include <QPainter>
#include <QPalette>

namespace {

// One ring per pixel of width, on the rectangle's inclusive bounds: left and
// top in the top colour, then right and bottom in the bottom colour, which so
// owns the top-right and bottom-left corners. Each side is a filled one-pixel
// rectangle, not a pen line: on a scaled screen filled rectangles snap to
// whole device pixels edge to edge, where the lines of neighbouring rings
// leave unpainted device pixels between them.
void drawRings(QPainter &painter, QRect &r, int width, const QColor &top, const QColor &bottom)
{
    for (int i = 0; i < width && r.width() > 0 && r.height() > 0; ++i) {
        painter.fillRect(r.left(), r.top(), 1, r.height(), top);
        painter.fillRect(r.left(), r.top(), r.width(), 1, top);
        painter.fillRect(r.right(), r.top(), 1, r.height(), bottom);
        painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottom);
        r.adjust(1, 1, -1, -1);
    }
}

} // namespace

QColor toQColor(TColor color, const QPalette &palette)
{
    if (isSystemColor(color))
        return palette.color(QPalette::Button);
    return QColor(redOf(color), greenOf(color), blueOf(color));
}

TPanel::TPanel(QWidget *parent) : QWidget(parent), m_color(palette().color(QPalette::Button))
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

void TPanel::setColor(const QColor &color)
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
    if (!m_parentBackground)
        return m_color;
    const QWidget *parent = parentWidget();
    if (const auto *panel = qobject_cast<const TPanel *>(parent))
        return panel->backgroundColor();
    return parent ? parent->palette().color(parent->backgroundRole()) : palette().color(QPalette::Button);
}

int TPanel::dockInset() const
{
    return ::dockInset({m_bevelOuter, m_bevelInner, m_bevelWidth}, m_borderWidth);
}

void TPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    const auto drawBevel = [&](TBevelCut cut, QRect &r) {
        if (cut == TBevelCut::bvRaised)
            drawRings(painter, r, m_bevelWidth, light, dark);
        else if (cut == TBevelCut::bvLowered)
            drawRings(painter, r, m_bevelWidth, dark, light);
    };

    // The border rings, in the panel's colour or its parent's, are part of
    // the fill; the inner bevel is drawn over it.
    QRect r = rect();
    drawBevel(m_bevelOuter, r);
    if (r.width() > 0 && r.height() > 0)
        painter.fillRect(r, backgroundColor());
    r.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
    drawBevel(m_bevelInner, r);
}
