// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/twipsgeometry.h"

#include <QWidget>

TwipsGeometry::TwipsGeometry(QWidget *widget)
    : m_widget(widget)
{ }

void TwipsGeometry::setLeft(float left)
{
    m_left = left;
    place();
}

void TwipsGeometry::setBounds(float left, float top, float width, float height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    place();
}

void TwipsGeometry::setScale(double scale)
{
    m_scale = scale;
    place();
}

// Pixels measured at the scale shown, such as a label's text.
void TwipsGeometry::setSizeFromPixels(QSize size)
{
    m_width = float(size.width() * twipsPerPixel / m_scale);
    m_height = float(size.height() * twipsPerPixel / m_scale);
    place();
}

void TwipsGeometry::place()
{
    m_widget->setGeometry(twipsToPixels(m_left, m_scale), twipsToPixels(m_top, m_scale),
                          twipsToPixels(m_width, m_scale), twipsToPixels(m_height, m_scale));
    placed();
}
