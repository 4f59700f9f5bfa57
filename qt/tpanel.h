#pragma once

#include "core/layout.h"
#include "core/panelpaint.h"

#include <QColor>
#include <QWidget>

// A container with optional bevels. It draws no caption; inside its bevels it
// shows its own colour or, with ParentBackground, the colour its parent shows.
class TPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TPanel(QWidget *parent = nullptr);

    void setBevelOuter(TBevelCut cut);
    void setBevelInner(TBevelCut cut);
    void setBevelWidth(int width);
    void setBorderWidth(int width);
    void setColor(TColor color);
    void setParentBackground(bool parentBackground);

    // What the panel shows inside its bevels.
    QColor backgroundColor() const;
    // How far in from the panel's edge docked children begin.
    int dockInset() const;

signals:
    void bevelsChanged();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    template <class T>
    void setBevelAttribute(T &attribute, T value);

    TBevelCut m_bevelOuter = TBevelCut::bvRaised;
    TBevelCut m_bevelInner = TBevelCut::bvNone;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    TColor m_color = clBtnFace;
    bool m_parentBackground = true;
};
