// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/pacecommands.h"

#include "editor/editortext.h"
#include "editor/showprogram.h"
#include "runtime/carriedassets.h"

#include <QFileInfo>

QString refusalText(const PaceEntry::Refusal &refusal)
{
    using Reason = PaceEntry::Refusal::Reason;
    switch (refusal.reason) {
    case Reason::None:
        return {};
    case Reason::NotANumber:
        return EditorText::tr("the pace \"%1\" is neither \"fit\" nor the letter's and the declaration's milliseconds a character")
                .arg(refusal.value);
    case Reason::OutOfRange:
        return EditorText::tr("the pace %1 ms a character is outside %2 to %3 ms")
                .arg(refusal.value)
                .arg(ShowPace::fewestMs)
                .arg(ShowPace::mostMs);
    case Reason::UnknownVersion:
        return EditorText::tr("the show's pace is of a version this program does not read");
    case Reason::Damaged:
        return EditorText::tr("the show's pace is damaged");
    }
    return {};
}

QString describePace(const ShowPace &pace)
{
    if (pace.letterFitted)
        return EditorText::tr("pace: the letter fitted to the song (the question %1 s before the music ends), the declaration %2 ms a character\n")
                .arg(ShowPace::fitLeadMs / 1000)
                .arg(pace.declarationMs);
    return EditorText::tr("pace: the letter %1 ms a character, the declaration %2 ms%3\n")
            .arg(pace.letterMs)
            .arg(pace.declarationMs)
            .arg(pace.isDefault() ? EditorText::tr(" (the default)") : QString());
}

Produced<ShowPace> carriedPace(const CarriedAssets &carried)
{
    PaceEntry::Refusal refusal;
    Reason bundleProblem;
    const ShowPace pace = PaceEntry::carriedBy(carried, &refusal, &bundleProblem);
    if (!bundleProblem.isEmpty())
        return bundleProblem;
    if (refusal.reason != PaceEntry::Refusal::Reason::None)
        return editorReason(refusalText(refusal));
    return pace;
}

CheckReport setPace(const QStringList &values, const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return CheckReport::failure(EditorText::tr("the folder %1 does not exist").arg(folder));
    PaceEntry::Refusal refusal;
    const std::optional<ShowPace> pace = PaceEntry::fromArguments(values, &refusal);
    if (!pace)
        return CheckReport::failure(EditorText::tr("%1; nothing is written").arg(refusalText(refusal)));
    ShowProgram program(folder);
    if (const Outcome carried = program.carryPace(*pace); !carried.ok())
        return CheckReport::failure(carried.why());
    CheckReport report;
    report.output = describePace(*pace)
            + EditorText::tr("%1 is written\n").arg(program.path());
    return report;
}
