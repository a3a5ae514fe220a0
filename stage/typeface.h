// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFont>
#include <QString>

#include <optional>

class CarriedAssets;

// The preparer's typeface for the letter or the declaration: an installed
// family, or a TrueType or OpenType file carried inside the program so that
// the show looks the same on a machine without it. The size stays the
// stage's own.
namespace Typeface {

enum class Text { Letter, Declaration };

constexpr qint64 maxFileBytes = 20LL * 1024 * 1024;

// Why a typeface is refused.
enum class Refusal { None, Unreadable, TooLarge, NotAFont, Damaged, NotInstalled };

// The bundle key its entry goes under.
QString key(Text text);

// Whether `bytes` can be carried as a font file: a TrueType or OpenType file
// (or a collection of them) that this machine's font engine reads.
Refusal checkFile(const QByteArray &bytes);
// What a program carries for an installed family.
QByteArray familyEntry(const QString &family);
// The family an entry names: an installed one as it is, a carried file once
// added to the application's fonts. Nothing, and why, when it cannot be used.
std::optional<QString> familyOf(const QByteArray &entry, Refusal *refusal);

// `stageFont` drawn in `family` first, the stage's own faces after it for
// what that family does not cover.
QFont applied(const QFont &stageFont, const QString &family);
// The carried typeface for `text` applied to `stageFont`; `stageFont` itself
// when none is carried or it cannot be used (then `refusal` says why).
QFont carriedFont(const CarriedAssets &carried, Text text, const QFont &stageFont,
                  Refusal *refusal);

} // namespace Typeface
