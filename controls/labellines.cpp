#include "controls/labellines.h"

#include "runtime/textruns.h"
#include "runtime/linebreaks.h"

#include <algorithm>

namespace {
// A character beyond the 16-bit range takes two units, and a typewriter adds
// one a tick: half a character is never drawn.
QString wholeCharacters(QString line)
{
    if (std::none_of(line.cbegin(), line.cend(), [](QChar c) { return c.isSurrogate(); }))
        return line;
    for (qsizetype i = line.size(); i-- > 0;) {
        const QChar c = line.at(i);
        const bool paired = c.isHighSurrogate()
                ? i + 1 < line.size() && line.at(i + 1).isLowSurrogate()
                : !c.isLowSurrogate() || (i > 0 && line.at(i - 1).isHighSurrogate());
        if (!paired)
            line.remove(i, 1);
    }
    return line;
}
} // namespace

QStringList splitLabelLines(const QString &text, const QString &toCome)
{
    QStringList lines = LineBreaks::toLf(text).split(QLatin1Char('\n'));
    lines.last().truncate(wholeClusters(lines.last(), toCome));
    for (QString &line : lines)
        line = wholeCharacters(line);
    return lines;
}
