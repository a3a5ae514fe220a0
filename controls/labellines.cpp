// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/labellines.h"

#include "runtime/textruns.h"
#include "runtime/linebreaks.h"
#include "runtime/lonesurrogates.h"

QStringList splitLabelLines(const QString &text, const QString &toCome)
{
    QStringList lines = LineBreaks::toLf(text).split(QLatin1Char('\n'));
    lines.last().truncate(wholeClusters(lines.last(), toCome));
    for (QString &line : lines)
        line = LoneSurrogates::removed(line); // a typewriter adds one unit a tick
    return lines;
}
