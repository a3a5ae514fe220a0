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

void TwipsGeometry::setSizeFromPixels(QSize size)
{
    m_width = size.width() * twipsPerPixel;
    m_height = size.height() * twipsPerPixel;
    place();
}

void TwipsGeometry::place()
{
    m_widget->setGeometry(twipsToPixels(m_left), twipsToPixels(m_top), twipsToPixels(m_width),
                          twipsToPixels(m_height));
    placed();
}
