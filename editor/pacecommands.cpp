// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/pacecommands.h"

#include "editor/editortext.h"
#include "editor/showprogram.h"
#include "runtime/carriedassets.h"

#include <QFileInfo>

namespace {
CheckReport failed(const QString &problem)
{
    CheckReport report;
    report.exitCode = CheckReport::Unreadable;
    report.errors = QStringLiteral("velmora-editor: %1\n").arg(problem);
    return report;
}
} // namespace

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

ShowPace carriedPace(const CarriedAssets &carried, QString *note)
{
    PaceEntry::Refusal refusal;
    QString bundleProblem;
    const ShowPace pace = PaceEntry::carriedBy(carried, &refusal, &bundleProblem);
    if (!bundleProblem.isEmpty())
        *note = bundleProblem;
    else if (refusal.reason != PaceEntry::Refusal::Reason::None)
        *note = refusalText(refusal);
    return pace;
}

CheckReport setPace(const QStringList &values, const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return failed(EditorText::tr("the folder %1 does not exist").arg(folder));
    PaceEntry::Refusal refusal;
    const std::optional<ShowPace> pace = PaceEntry::fromArguments(values, &refusal);
    if (!pace)
        return failed(EditorText::tr("%1; nothing is written").arg(refusalText(refusal)));
    ShowProgram program(folder);
    QString problem;
    if (!program.carryPace(*pace, &problem))
        return failed(problem);
    CheckReport report;
    report.output = describePace(*pace)
            + EditorText::tr("%1 is written\n").arg(program.path());
    return report;
}
