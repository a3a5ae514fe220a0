// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/analysis.h"

#include "controls/labellines.h"
#include "controls/linelayout.h"
#include "runtime/textruns.h"
#include "editor/editortext.h"
#include "editor/stagelayout.h"
#include "stage/pace.h"
#include "stage/programfiles.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHash>

#include <cmath>

double builtInMusicSeconds()
{
    return Pace::musicSeconds;
}

ShowTimes showTimes(qsizetype letterLength, qsizetype declarationLength, int walkTicks,
                    double musicSeconds, const ShowPace &pace)
{
    // Each typewriter types one character a tick and finds itself done on
    // the tick after the last.
    ShowTimes times;
    const int letterMs = pace.letterTickMs(letterLength, declarationLength,
                                           qint64(std::llround(musicSeconds * 1000)));
    times.letterTick = letterMs / 1000.0;
    times.declarationTick = pace.declarationMs / 1000.0;
    times.letterTyped = double(letterLength + 1) * letterMs / 1000.0;
    times.walkEnds = times.letterTyped + double(walkTicks) * Pace::walkTickMs / 1000.0;
    times.question
            = times.letterTyped + double(declarationLength + 1) * pace.declarationMs / 1000.0;
    times.musicEnds = musicSeconds;
    return times;
}

QString noProblemsFound()
{
    return EditorText::tr("No problems: every line can be seen, and the music still plays when the question comes.");
}

QString formatSeconds(double seconds)
{
    return EditorText::tr("%1 s").arg(seconds, 0, 'f', 1);
}

QList<TimelineMark> timelineMarks(const ShowTimes &times)
{
    return {
        { TimelineMark::LetterTyped, times.letterTyped,
          EditorText::tr("letter typed %1").arg(formatSeconds(times.letterTyped)) },
        { TimelineMark::WalkEnds, times.walkEnds,
          EditorText::tr("boy arrives %1").arg(formatSeconds(times.walkEnds)) },
        { TimelineMark::Question, times.question,
          EditorText::tr("question %1").arg(formatSeconds(times.question)) },
        { TimelineMark::MusicEnds, times.musicEnds,
          EditorText::tr("music ends %1").arg(formatSeconds(times.musicEnds)) },
    };
}

QString timelineSummary(const ShowTimes &times, const QString &separator)
{
    QStringList texts;
    for (const TimelineMark &mark : timelineMarks(times))
        texts.append(mark.text);
    return texts.join(separator);
}

QString Warning::toString() const
{
    if (line < 1)
        return QStringLiteral("%1: %2").arg(file, message);
    return QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(message);
}

namespace {
// The 1-based line that holds the character at `index` (0-based) of `text`;
// the CR LF that ends a line belongs to it.
int lineOfCharacter(const QString &text, qsizetype index)
{
    int line = 1;
    for (qsizetype i = 0; i < index && i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool crBeforeLf = c == QLatin1Char('\r') && i + 1 < text.size()
                && text.at(i + 1) == QLatin1Char('\n');
        if (c == QLatin1Char('\n') || (c == QLatin1Char('\r') && !crBeforeLf))
            ++line;
    }
    return line;
}

bool isBlank(const QString &line)
{
    return line.trimmed().isEmpty();
}

// Characters no face the stage's font falls back on can draw.
QString undrawable(const QString &line, const QFontMetrics &metrics, QHash<char32_t, bool> &cache)
{
    QString missing;
    for (const char32_t ucs4 : line.toUcs4()) {
        if (ucs4 < 0x20 || ucs4 == 0x7F)
            continue;
        auto found = cache.find(ucs4);
        if (found == cache.end())
            found = cache.insert(ucs4, metrics.inFontUcs4(ucs4));
        if (!found.value()) {
            const QString character = QString::fromUcs4(&ucs4, 1);
            if (!missing.contains(character))
                missing += character;
        }
    }
    return missing;
}

QString describeCharacters(const QString &characters)
{
    QStringList named;
    for (const char32_t ucs4 : characters.toUcs4())
        named << EditorText::tr("\"%1\" (U+%2)")
                         .arg(QString::fromUcs4(&ucs4, 1))
                         .arg(uint(ucs4), 4, 16, QLatin1Char('0'))
                         .toUpper();
    return named.join(EditorText::tr(", ", "between characters"));
}

struct TextPlace
{
    QString file;
    QPoint origin;
    QFont font;
    int linePitch = 0;
    bool centred = false; // each line in the middle of the widest
    QList<QRect> coveringRects; // drawn above the text
    int coveredFrom = -1; // a y from which the text lies in another's place
    // How much of a line may lie under what covers it; any of it when zero.
    double coverTolerated = 0;
};

// How much of the line's width lies under the rectangles, which do not overlap.
int coveredWidth(const QRect &line, const QList<QRect> &covering)
{
    int covered = 0;
    for (const QRect &rect : covering)
        covered += line.intersected(rect).width();
    return covered;
}

// Where a line stands as the stage's label lays it out: emoji in the colour
// face, its direction that of its first strong character. A line without
// either, most of them, measures as the font measures it, which is faster.
struct LineExtent
{
    int width = 0;
    bool rightToLeft = false;
};

LineExtent extentOf(const QString &line, const QFont &font, const QString &emojiFamily)
{
    const bool rightToLeft = line.isRightToLeft();
    if (!rightToLeft && (emojiFamily.isEmpty() || !mayHoldEmoji(line)))
        return { QFontMetrics(font).horizontalAdvance(line), false };
    const LineLayout layout(line, font, emojiFamily, nullptr);
    return { layout.width(), layout.rightToLeft() };
}

int widestLine(const QStringList &lines, const QFont &font, const QString &emojiFamily)
{
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, extentOf(line, font, emojiFamily).width);
    return widest;
}

void checkLines(const QString &text, const TextPlace &place, const StageLayout &layout,
                QList<Warning> &warnings)
{
    const QFontMetrics metrics(place.font);
    QHash<char32_t, bool> &drawable = layout.drawable[place.font.key()];
    const QStringList lines = splitLabelLines(text);
    const QString &emojiFamily = layout.emojiFamily;
    const int widest = place.centred ? widestLine(lines, place.font, emojiFamily) : 0;
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        const int number = i + 1;
        if (isBlank(line))
            continue;
        const LineExtent shown = extentOf(line, place.font, emojiFamily);
        const int width = shown.width;
        // A right-to-left line ends as far from the stage's right edge as
        // the others start from its left.
        const bool fromTheRight = !place.centred && shown.rightToLeft;
        const int indent = place.centred ? (widest - width) / 2
                : fromTheRight           ? layout.area.width() - 2 * place.origin.x() - width
                                         : 0;
        const QRect box(place.origin.x() + indent, place.origin.y() + i * place.linePitch, width,
                        place.linePitch);
        auto warn = [&](const QString &message) {
            warnings.append({ place.file, number, message });
        };

        if (fromTheRight && box.left() < 0)
            warn(EditorText::tr("this line runs %1 pixels past the stage's left edge; what runs past is not seen")
                         .arg(-box.left()));
        else if (box.right() >= layout.area.width())
            warn(EditorText::tr("this line runs %1 pixels past the stage's right edge; what runs past is not seen")
                         .arg(box.x() + box.width() - layout.area.width()));
        if (box.top() >= layout.area.height())
            warn(EditorText::tr("this line is below the stage's bottom edge and is not seen"));
        else if (box.bottom() >= layout.area.height())
            warn(EditorText::tr("the stage's bottom edge cuts %1 pixels off this line")
                         .arg(box.y() + box.height() - layout.area.height()));
        else if (place.coveredFrom >= 0 && box.bottom() >= place.coveredFrom)
            warn(EditorText::tr("this line falls where the declaration stands and will overlap it"));
        else if (place.coverTolerated == 0
                 && std::any_of(place.coveringRects.begin(), place.coveringRects.end(),
                                [&](const QRect &r) { return r.intersects(box); }))
            warn(EditorText::tr("part of this line is hidden by a figure or the question"));
        else if (place.coverTolerated > 0
                 && coveredWidth(box, place.coveringRects) > place.coverTolerated * width)
            warn(EditorText::tr("more than half of this line is hidden behind the figures"));

        const QString missing = undrawable(line, metrics, drawable);
        if (!missing.isEmpty())
            warn(EditorText::tr("the stage's font cannot draw these characters: %1").arg(describeCharacters(missing)));
    }
}

void checkTiming(const QString &letter, const QString &declaration, const ShowTimes &times,
                 QList<Warning> &warnings)
{
    if (times.question > times.musicEnds) {
        // Name the line of the first character typed after the music has stopped.
        const double letterTick = times.letterTick;
        const double declarationTick = times.declarationTick;
        const QString message
                = EditorText::tr("the music ends at %1 but the question comes only at %2: from this line on there is no music")
                          .arg(formatSeconds(times.musicEnds), formatSeconds(times.question));
        if (times.letterTyped > times.musicEnds) {
            const auto index = qsizetype(std::floor(times.musicEnds / letterTick));
            warnings.append(
                    { FileNames::letter,
                      lineOfCharacter(letter, std::clamp<qsizetype>(index, 0, letter.size() - 1)),
                      message });
        } else {
            const auto index = qsizetype(
                    std::floor((times.musicEnds - times.letterTyped) / declarationTick));
            warnings.append(
                    { FileNames::declaration,
                      lineOfCharacter(declaration,
                                      std::clamp<qsizetype>(index, 0, declaration.size() - 1)),
                      message });
        }
    }
    if (times.question < times.walkEnds)
        warnings.append(
                { FileNames::declaration, int(splitLabelLines(declaration).size()),
                  EditorText::tr("the question comes at %1 but the boy reaches the girl only at %2: the declaration is too short")
                          .arg(formatSeconds(times.question), formatSeconds(times.walkEnds)) });
}
} // namespace

QRect questionBox(const QString &question, const StageLayout &layout)
{
    const QStringList lines = splitLabelLines(question);
    return QRect(layout.questionOrigin,
                 QSize(widestLine(lines, layout.questionFont, layout.emojiFamily),
                       layout.questionLinePitch * int(lines.size())));
}

Analysis analyseTexts(const QString &letter, const QString &declaration, const StageLayout &layout,
                      double musicSeconds, const QString &question, const ShowPace &pace)
{
    Analysis analysis;
    analysis.times
            = showTimes(letter.size(), declaration.size(), layout.walkTicks, musicSeconds, pace);

    const QList<QRect> figures { layout.walkingFigure, layout.waitingFigure,
                                 questionBox(question, layout) };
    checkLines(letter,
               { FileNames::letter, layout.letterOrigin, layout.letterFont, layout.linePitch,
                 false, figures, layout.declarationOrigin.y() },
               layout, analysis.warnings);
    checkLines(declaration,
               { FileNames::declaration, layout.declarationOrigin, layout.declarationFont,
                 layout.linePitch, false, figures, -1 },
               layout, analysis.warnings);
    // Drawn beneath the figures, the question has always been tucked a little
    // behind the girl.
    checkLines(question,
               { questionKey, layout.questionOrigin, layout.questionFont,
                 layout.questionLinePitch, true,
                 { layout.walkingFigure, layout.waitingFigure }, -1, 0.5 },
               layout, analysis.warnings);
    checkTiming(letter, declaration, analysis.times, analysis.warnings);
    return analysis;
}

QString breakLongLines(const QString &text, int originX, int stageWidth, const QFont &font)
{
    const QFontMetrics metrics(font);
    const int room = stageWidth - originX;
    QStringList out;
    for (const QString &line : splitLabelLines(text)) {
        QString rest = line;
        while (metrics.horizontalAdvance(rest) > room) {
            // The longest head that fits (widths only grow with the head),
            // never splitting a surrogate pair.
            qsizetype fits = 0;
            qsizetype low = 1, high = rest.size();
            while (low <= high) {
                const qsizetype mid = (low + high) / 2;
                if (metrics.horizontalAdvance(rest.left(mid)) <= room) {
                    fits = mid;
                    low = mid + 1;
                } else {
                    high = mid - 1;
                }
            }
            if (fits > 0 && fits < rest.size() && rest.at(fits).isLowSurrogate())
                --fits;
            if (fits == 0)
                fits = rest.at(0).isHighSurrogate() && rest.size() > 1 ? 2 : 1;
            out << rest.left(fits);
            rest = rest.mid(fits);
        }
        out << rest;
    }
    return out.join(QStringLiteral("\r\n"));
}
