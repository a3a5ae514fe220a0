// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/reason.h"
#include "stage/pace.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class CarriedAssets;

// How fast the preparer's show types: milliseconds a character for the letter
// and the declaration, or the letter fitted to the song, so that the question
// comes a few seconds before the music ends. The walk keeps its own pace.
struct ShowPace
{
    static constexpr int fewestMs = 40;
    static constexpr int mostMs = 2000;
    // How long before the music's end a fitted letter brings the question.
    static constexpr int fitLeadMs = 5000;

    int letterMs = Pace::letterTickMs;
    int declarationMs = Pace::declarationTickMs;
    bool letterFitted = false;

    bool operator==(const ShowPace &) const = default;
    bool isDefault() const { return *this == ShowPace(); }

    // The letter's milliseconds a character for a letter and a declaration of
    // these lengths (in 16-bit units) and music of `musicMs`: its own, or
    // when fitted, the pace that brings the question `fitLeadMs` before the
    // music ends, within the pace's bounds.
    int letterTickMs(qsizetype letterLength, qsizetype declarationLength, qint64 musicMs) const;
};

namespace PaceEntry {

// Why a pace is refused, with the value that was.
struct Refusal
{
    enum class Reason { None, NotANumber, OutOfRange, UnknownVersion, Damaged };
    Reason reason = Reason::None;
    QString value;
};

// The pace `--pace` is given: "fit", or the letter's and the declaration's
// milliseconds. Nothing, and why, when they cannot be a pace.
std::optional<ShowPace> fromArguments(const QStringList &values, Refusal *refusal);

// What a program carries: a version line, then "letter = MS|fit" and
// "declaration = MS".
QByteArray toEntry(const ShowPace &pace);
std::optional<ShowPace> fromEntry(const QByteArray &entry, Refusal *refusal);
// The pace `carried` holds, or the default one (and why, when it holds
// something unusable; a problem of the bundle itself is in `bundleProblem`).
ShowPace carriedBy(const CarriedAssets &carried, Refusal *refusal, Reason *bundleProblem);

} // namespace PaceEntry
