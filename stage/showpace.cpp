// SPDX-License-Identifier: GPL-3.0-or-later
#include "stage/showpace.h"

#include "runtime/carriedassets.h"

#include <algorithm>

int ShowPace::letterTickMs(qsizetype letterLength, qsizetype declarationLength, qint64 musicMs) const
{
    if (!letterFitted)
        return letterMs;
    // Each typewriter finds itself done on the tick after its last character.
    const qint64 declarationTakes = (declarationLength + 1) * qint64(declarationMs);
    const qint64 letterMay = musicMs - fitLeadMs - declarationTakes;
    return int(std::clamp<qint64>(letterMay / (letterLength + 1), fewestMs, mostMs));
}

namespace PaceEntry {

namespace {
const QByteArray versionLine = QByteArrayLiteral("velmora-pace 1\n");
const QString fit = QStringLiteral("fit");

std::optional<int> milliseconds(const QString &value, Refusal *refusal)
{
    bool number = false;
    const int ms = value.trimmed().toInt(&number);
    if (!number) {
        *refusal = { Refusal::Reason::NotANumber, value };
        return std::nullopt;
    }
    if (ms < ShowPace::fewestMs || ms > ShowPace::mostMs) {
        *refusal = { Refusal::Reason::OutOfRange, value };
        return std::nullopt;
    }
    return ms;
}
} // namespace

std::optional<ShowPace> fromArguments(const QStringList &values, Refusal *refusal)
{
    ShowPace pace;
    if (values.size() == 1 && values.first() == fit) {
        pace.letterFitted = true;
        return pace;
    }
    if (values.size() != 2) {
        *refusal = { Refusal::Reason::NotANumber, values.join(QLatin1Char(' ')) };
        return std::nullopt;
    }
    const auto letter = milliseconds(values[0], refusal);
    if (!letter)
        return std::nullopt;
    const auto declaration = milliseconds(values[1], refusal);
    if (!declaration)
        return std::nullopt;
    pace.letterMs = *letter;
    pace.declarationMs = *declaration;
    return pace;
}

QByteArray toEntry(const ShowPace &pace)
{
    const QByteArray letter = pace.letterFitted ? fit.toUtf8() : QByteArray::number(pace.letterMs);
    return versionLine + "letter = " + letter + "\ndeclaration = "
            + QByteArray::number(pace.declarationMs) + "\n";
}

std::optional<ShowPace> fromEntry(const QByteArray &entry, Refusal *refusal)
{
    if (!entry.startsWith(versionLine)) {
        *refusal = { Refusal::Reason::UnknownVersion, {} };
        return std::nullopt;
    }
    const QList<QByteArray> lines = entry.mid(versionLine.size()).split('\n');
    if (lines.size() != 3 || !lines[0].startsWith("letter = ")
        || !lines[1].startsWith("declaration = ") || !lines[2].isEmpty()) {
        *refusal = { Refusal::Reason::Damaged, {} };
        return std::nullopt;
    }
    const QString letter = QString::fromUtf8(lines[0].mid(9));
    const QString declaration = QString::fromUtf8(lines[1].mid(14));
    if (letter != fit)
        return fromArguments({ letter, declaration }, refusal);
    const auto declarationMs = milliseconds(declaration, refusal);
    if (!declarationMs)
        return std::nullopt;
    ShowPace pace;
    pace.letterFitted = true;
    pace.declarationMs = *declarationMs;
    return pace;
}

ShowPace carriedBy(const CarriedAssets &carried, Refusal *refusal, Reason *bundleProblem)
{
    const auto entry = carried.bytes(AssetBundle::Keys::pace, bundleProblem);
    if (!entry)
        return {};
    return fromEntry(*entry, refusal).value_or(ShowPace());
}

} // namespace PaceEntry
