#include "controls/picturebox.h"

#include "controls/picturesurface.h"

PictureBox::PictureBox(QWidget *container, float left, float top, float width, float height,
                       const QString &pictureName, int frameWidth, PictureLoader load)
    : QFrame(container)
    , TwipsGeometry(this)
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
