#include "controls/labellines.h"

#include "runtime/linebreaks.h"
#include "runtime/lonesurrogates.h"

QStringList splitLabelLines(const QString &text)
{
    QStringList lines = LineBreaks::toLf(text).split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = LoneSurrogates::removed(line); // a typewriter adds one unit a tick
    return lines;
}
