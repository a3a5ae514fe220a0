// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/picturesurface.h"
#include "controls/twipsgeometry.h"

#include <QFrame>

// A picture box: one fixed image drawn unscaled from the top-left corner of
// its content area, which holds the child controls. The picture is named by
// its file or resource, or loaded by `load`; on screens scaled above 100 % its
// doubled version, "name@2x.ext", is drawn in the same place where there is one.
class PictureBox : public QFrame, public TwipsGeometry
{
    Q_OBJECT
public:
    PictureBox(QWidget *container, float left, float top, float width, float height,
               const QString &pictureName, int frameWidth = 0, PictureLoader load = {});

    QWidget *content() const { return m_content; }

protected:
    // The frame and the picture follow the box's scale.
    void placed() override;

private:
    int m_frameWidth;
    PictureSurface *m_content;
};
