// Members of Form1, the show's window (app/form1.h): the walk's tick handler
// Timer4_Timer. The walk's arithmetic, in namespace Approach, comes first.
#include "show/approach.h"

#include "app/form1.h"
#include "runtime/singleprecision.h"
#include "runtime/timeline.h"

namespace Approach {

float stepForward(float walkingLeft)
{
    return toSingle(double(walkingLeft) + step);
}

float stopLine(float waitingLeft, float walkingWidth)
{
    return toSingle((double(waitingLeft) - double(walkingWidth)) - reach);
}

QString question()
{
    return QStringLiteral("你愿意\r\n\r\n向我\r\n\r\n走最后\r\n\r\n一步吗?");
}

} // namespace Approach

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
    Label4->setCaption(Approach::question());
}
