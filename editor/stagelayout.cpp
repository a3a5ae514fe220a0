// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/stagelayout.h"

#include "controls/label.h"
#include "controls/picturebox.h"
#include "runtime/assetsource.h"
#include "runtime/textruns.h"
#include "stage/approach.h"
#include "stage/stage.h"

#include <QWidget>

WalkEnd walkEnd(const Stage &stage)
{
    // The show's walk: the move comes before the test, the line read each tick.
    WalkEnd end { 0, stage.Picture2->Left() };
    const float width = stage.Picture2->Width();
    const float waitingLeft = stage.Picture3->Left();
    do {
        end.left = Approach::stepForward(end.left);
        ++end.ticks;
    } while (Approach::stopLine(waitingLeft, width) > end.left);
    return end;
}

void poseForQuestion(const Stage &stage)
{
    stage.Picture2->setLeft(walkEnd(stage).left);
    stage.Picture2->setVisible(true);
    stage.Picture3->setVisible(true);
    stage.Label4->setCaption(Approach::question());
}

namespace {
QRect inWindow(const QWidget *widget, const QWidget *window)
{
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}
} // namespace

StageLayout StageLayout::standard()
{
    QWidget window;
    window.setFixedSize(Stage::clientArea);
    const Stage stage = Stage::build(&window, AssetSource());
    const int ticks = walkEnd(stage).ticks;
    poseForQuestion(stage);

    StageLayout built;
    built.area = Stage::clientArea;
    built.letterOrigin = stage.Label1->mapTo(&window, QPoint(0, 0));
    built.declarationOrigin = stage.Label2->mapTo(&window, QPoint(0, 0));
    built.questionOrigin = stage.Label4->mapTo(&window, QPoint(0, 0));
    built.letterFont = stage.Label1->font();
    built.declarationFont = stage.Label2->font();
    built.questionFont = stage.Label4->font();
    built.emojiFamily = colourEmojiFamily();
    built.linePitch = Stage::textLinePitch;
    built.questionLinePitch = Stage::questionLinePitch;
    built.walkingFigure = inWindow(stage.Picture2, &window);
    built.waitingFigure = inWindow(stage.Picture3, &window);
    built.walkTicks = ticks;
    return built;
}
