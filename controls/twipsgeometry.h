// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/twips.h"

#include <QSize>

class QWidget;

// Twips geometry of one widget, read back as written; the widget is placed at
// the nearest pixel of a stage drawn `scale()` times its own size (1 in the
// show's window, more on a whole screen). The twips stay what they are.
class TwipsGeometry
{
public:
    explicit TwipsGeometry(QWidget *widget);

    float Left() const { return m_left; }
    float Width() const { return m_width; }
    float Height() const { return m_height; }
    void setLeft(float left);
    void setBounds(float left, float top, float width, float height);
    double scale() const { return m_scale; }
    void setScale(double scale);

protected:
    void setSizeFromPixels(QSize size);
    // Called whenever the widget has been placed anew.
    virtual void placed() { }

private:
    void place();

    QWidget *m_widget;
    float m_left = 0;
    float m_top = 0;
    float m_width = 0;
    float m_height = 0;
    double m_scale = 1.0;
};
