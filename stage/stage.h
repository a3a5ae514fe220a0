// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

class AssetSource;
class Label;
class PictureBox;
class QWidget;

// The stage the addressee sees: the background with the letter, the
// declaration, the question and the two figures on it. The show and the
// editor's preview build it with the same code, so that what the preparer
// previews is what the show draws.
struct Stage
{
    // Builds the stage into `parent`, the figures hidden, the labels empty,
    // its pictures from `assets`.
    static Stage build(QWidget *parent, const AssetSource &assets);

    // The window's client area, 11835 × 7290 twips.
    static constexpr QSize clientArea { 789, 486 };

    // The letter and the declaration draw a line every 14 pixels, the question every 12.
    static constexpr int textLinePitch = 14;
    static constexpr int questionLinePitch = 12;

    static QFont letterFont();
    static QFont declarationFont();
    static QFont windowFont();
    // Where a right-to-left line of a label whose left edge is `left` ends,
    // in twips of the stage's content.
    static float rightToLeftEdge(float left);

    // The largest stage of the client area's shape that `area` holds, centred
    // in it: its place, and the scale it is drawn at.
    struct Fit
    {
        QRect rect;
        double scale = 1.0;
    };
    static Fit fitIn(QSize area);

    // Draws the stage `scale` times its own size: every place and size, the
    // pictures, the fonts and their line pitch. The twips stay as they are.
    void setScale(double scale) const;

    PictureBox *Picture1 = nullptr; // the background; the others sit on its content
    Label *Label1 = nullptr; // the letter
    Label *Label2 = nullptr; // the declaration
    Label *Label4 = nullptr; // the question
    PictureBox *Picture2 = nullptr; // the walking figure
    PictureBox *Picture3 = nullptr; // the waiting figure
};
