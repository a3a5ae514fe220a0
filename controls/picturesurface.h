// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>

// Loads a picture by its name: its file or resource, or whatever the program
// keeps under that name. Empty: the picture at that path.
using PictureLoader = std::function<QPixmap(const QString &name)>;

// The content area of a picture box: draws the picture, in logical pixels
// times the stage's scale, from its top-left corner. The pixels drawn are chosen at each paint, so a
// window moved to a screen of another scale draws the right ones: on screens
// scaled above 100 % the doubled version, "name@2x.ext", where there is one.
class PictureSurface : public QWidget
{
public:
    PictureSurface(const QString &name, PictureLoader load, QWidget *box);

    // Draws the picture `scale` times its size, smoothly, from the pixels
    // that hold most: "name@4x.ext" above twice the size, the doubled ones
    // above it, where there are.
    void setScale(double scale);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QPixmap &doubled();
    const QPixmap &scaled();

    QString m_name;
    PictureLoader m_load;
    QPixmap m_normal;
    QPixmap m_doubled;
    bool m_doubledLoaded = false;
    double m_scale = 1.0;
    // The picture at the scale and the device pixel ratio it was last drawn at.
    QPixmap m_scaled;
};
