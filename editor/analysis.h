// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stage/showpace.h"
#include "stage/words.h"

#include <QFont>
#include <QList>
#include <QString>

struct StageLayout;

// When each moment of the show comes, in seconds from the start of the letter.
struct ShowTimes
{
    double letterTyped = 0;
    double walkEnds = 0;
    double question = 0;
    double musicEnds = 0;
    // Seconds a character, at the preparer's pace.
    double letterTick = Pace::letterTickMs / 1000.0;
    double declarationTick = Pace::declarationTickMs / 1000.0;
};
// `letterLength` and `declarationLength` count 16-bit characters, CR and LF included.
// `musicSeconds`: how long the music the program carries lasts.
ShowTimes showTimes(qsizetype letterLength, qsizetype declarationLength, int walkTicks,
                    double musicSeconds, const ShowPace &pace = ShowPace());
QString formatSeconds(double seconds);

// One moment of the timeline with its name and time ("question 120.2 s").
struct TimelineMark
{
    enum Moment { LetterTyped, WalkEnds, Question, MusicEnds };
    Moment moment;
    double at;
    QString text;
};
// The four moments, in this order: letter typed, walk ends, question, music ends.
QList<TimelineMark> timelineMarks(const ShowTimes &times);
// All four in one line, joined by `separator`.
QString timelineSummary(const ShowTimes &times, const QString &separator);

// What the editor says when it finds nothing to warn about.
// What the warnings say when there are none.
QString noProblemsFound();

// Something the addressee would miss: a line cut off or hidden, a character
// drawn as a box, a question in silence. `line` counts from 1; a warning
// about a whole text (one of the show's boxes, say) has none.
struct Warning
{
    QString file;
    int line = 0;
    QString message;

    QString toString() const;
};

struct Analysis
{
    ShowTimes times;
    QList<Warning> warnings;
};

// Where the question's warnings point: its key among the show's words.
inline const QString questionKey = QStringLiteral("question");

// Analyses the texts exactly as the show will type them (CR LF line ends),
// and the question beside the girl as the show will draw it.
Analysis analyseTexts(const QString &letter, const QString &declaration, const StageLayout &layout,
                      double musicSeconds, const QString &question = Words().question,
                      const ShowPace &pace = ShowPace());
// How long the built-in music lasts.
double builtInMusicSeconds();

// The texts with every line that runs past the stage's right edge broken
// (with CR LF) where it still fits.
QString breakLongLines(const QString &text, int originX, int stageWidth, const QFont &font);
