// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/picturebox.h"

#include "controls/picturesurface.h"

PictureBox::PictureBox(QWidget *container, float left, float top, float width, float height,
                       const QString &pictureName, int frameWidth, PictureLoader load)
    : QFrame(container)
    , TwipsGeometry(this)
    , m_frameWidth(frameWidth)
    , m_content(nullptr)
{
    if (frameWidth > 0) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(frameWidth);
    }
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setBounds(left, top, width, height);

    m_content = new PictureSurface(pictureName, std::move(load), this);
    m_content->setGeometry(contentsRect());
}

void PictureBox::placed()
{
    if (!m_content)
        return;
    const int frame = m_frameWidth > 0 ? twipsToPixels(m_frameWidth * twipsPerPixel, scale()) : 0;
    if (frame > 0 && frame != lineWidth())
        setLineWidth(frame);
    m_content->setGeometry(contentsRect());
    m_content->setScale(scale());
}
