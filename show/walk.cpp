// SPDX-License-Identifier: GPL-3.0-or-later
// Members of Form1, the show's window (show/form1.h): the walk's tick handler
// Timer4_Timer.
#include "runtime/timeline.h"
#include "show/form1.h"
#include "stage/approach.h"
#include "stage/words.h"

// One step of the walk; the move comes before the test, so the stopping tick
// moves the figure too. The stop line is read afresh on every tick.
void Form1::Timer4_Timer()
{
    Picture2->setLeft(Approach::stepForward(Picture2->Left()));
    const float line = Approach::stopLine(Picture3->Left(), Picture2->Width());
    if (line > Picture2->Left())
        return;
    Timeline::mark("walk stopped");
    Timer4->setEnabled(false);
    Label4->setCaption(m_words.question);
}
