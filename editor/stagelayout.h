// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QHash>
#include <QPoint>
#include <QRect>
#include <QSize>

struct Stage;

// Where the walk leaves the walking figure, found by taking the show's own
// steps against its own stop line from where the figures stand at first.
struct WalkEnd
{
    int ticks = 0;
    float left = 0;
};
WalkEnd walkEnd(const Stage &stage);

// Poses a freshly built stage as the addressee sees it when the question
// comes: both figures where the walk leaves them, the question beside the girl.
void poseForQuestion(const Stage &stage);

// The stage's geometry in the window's pixels, taken from a stage built and
// posed by the show's own code.
struct StageLayout
{
    QSize area;
    QPoint letterOrigin;
    QPoint declarationOrigin;
    QPoint questionOrigin;
    QFont letterFont;
    QFont declarationFont;
    QFont questionFont;
    // The face the labels draw emoji from; empty where there is none.
    QString emojiFamily;
    int linePitch = 0;
    int questionLinePitch = 0;
    QRect walkingFigure;
    QRect waitingFigure;
    int walkTicks = 0;
    // Whether each face can draw a character, by the face's key: it does not
    // change while the layout is in use, and the analysis asks at every keystroke.
    mutable QHash<QString, QHash<char32_t, bool>> drawable;

    // Measured afresh on a stage built for it; needs a QApplication.
    static StageLayout standard();
};
