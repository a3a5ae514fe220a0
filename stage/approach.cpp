#include "stage/approach.h"

#include "runtime/singleprecision.h"

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
