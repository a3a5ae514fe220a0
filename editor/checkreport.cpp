// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/checkreport.h"

#include "editor/analysis.h"
#include "editor/editortext.h"
#include "editor/pacecommands.h"
#include "editor/typefacecommands.h"
#include "editor/messagefile.h"
#include "editor/ownassets.h"
#include "editor/showprogram.h"
#include "editor/stagelayout.h"
#include "editor/wordscommands.h"
#include "stage/defaulttexts.h"
#include "stage/programfiles.h"
#include "stage/wordsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString describe(const QString &fileName, const MessageFile &file)
{
    if (file.state == MessageFile::State::Missing)
        return EditorText::tr("%1: missing (the show writes the default text), %2 characters\n")
                .arg(fileName)
                .arg(file.text.size());
    return EditorText::tr("%1: %2, %3 bytes, %4 characters\n")
            .arg(fileName, encodingName(file.encoding))
            .arg(file.byteCount)
            .arg(file.text.size());
}
} // namespace

Outcome canOpenFolder(const QString &folder)
{
    const QFileInfo info(folder);
    const QString shown = QDir::toNativeSeparators(folder);
    if (!info.exists())
        return editorReason(EditorText::tr("the folder %1 does not exist").arg(shown));
    if (!info.isDir())
        return editorReason(EditorText::tr("%1 is a file, not a folder: give the folder the show is in").arg(shown));
    if (!info.isReadable() || !info.isExecutable() || !QDir(folder).isReadable())
        return editorReason(EditorText::tr("no permission to open the folder %1").arg(shown));
    return {};
}

namespace {
// The two message files as the show reads them; an error line for each that cannot be read.
std::pair<MessageFile, MessageFile> readMessages(const QString &base, CheckReport &report)
{
    std::pair<MessageFile, MessageFile> files {
        MessageFile::read(base + FileNames::letter, DefaultTexts::letter()),
        MessageFile::read(base + FileNames::declaration, DefaultTexts::declaration())
    };
    for (const auto &[name, file] :
         { std::pair { QString(FileNames::letter), &files.first },
           { QString(FileNames::declaration), &files.second } }) {
        if (file->state == MessageFile::State::Unreadable) {
            report.exitCode = CheckReport::Unreadable;
            report.errors += EditorText::tr("velmora-editor: cannot read %1: %2\n")
                                     .arg(base + name, file->error.text());
        }
    }
    return files;
}

QString describeProgram(const ShowProgram &program, const Produced<CarriedAssets> &read,
                        const CarriedAssets &carried)
{
    QString lines;
    if (program.exists())
        lines += EditorText::tr("program: %1\n").arg(program.path());
    else if (read.ok())
        lines += EditorText::tr("program: not in the folder yet; %1 will be copied\n").arg(carried.programPath());
    else
        lines += EditorText::tr("program: %1\n").arg(read.why());
    if (!carried.problem().isEmpty())
        lines += EditorText::tr("what the program carries cannot be used (%1); the show uses its own\n")
                         .arg(carried.problem().text());
    for (const AssetSlot &slot : AssetSlot::all())
        lines += EditorText::tr("%1: %2\n").arg(slot.name(), describeCarried(slot, carried));
    return lines;
}

void reportAnalysis(const Analysis &analysis, CheckReport &report)
{
    report.output += EditorText::tr("timeline: %1\n")
                             .arg(timelineSummary(analysis.times, EditorText::tr(", ", "between the marks of the timeline")));
    for (const Warning &warning : analysis.warnings)
        report.output += warning.toString() + QLatin1Char('\n');
    if (analysis.warnings.isEmpty()) {
        report.output += noProblemsFound() + QLatin1Char('\n');
    } else {
        report.output += EditorText::tr("warnings: %1\n").arg(analysis.warnings.size());
        report.exitCode = CheckReport::HasWarnings;
    }
}
} // namespace

CheckReport checkFolder(const QString &folder)
{
    if (const Outcome opens = canOpenFolder(folder); !opens.ok())
        return CheckReport::failure(EditorText::tr("cannot read the folder: %1").arg(opens.why()));
    CheckReport report;
    const QString base = QDir(folder).absolutePath() + QLatin1Char('/');
    const auto [letter, declaration] = readMessages(base, report);
    if (report.exitCode == CheckReport::Unreadable)
        return report;

    const ShowProgram program(folder);
    const Produced<CarriedAssets> read = program.read();
    if (!read.ok() && program.exists())
        return CheckReport::failure(read.why());
    const CarriedAssets carried = read.ok() ? read.value() : CarriedAssets();

    Reason wordsProblem; // told by describeWords()
    const Produced<ShowPace> carriedOwnPace = carriedPace(carried);
    const ShowPace pace = carriedOwnPace.ok() ? carriedOwnPace.value() : ShowPace();
    const Analysis analysis = analyseTexts(letter.text, declaration.text,
                                           withCarriedTypefaces(StageLayout::standard(), carried),
                                           carriedMusicSeconds(carried),
                                           WordsFile::carriedBy(carried, &wordsProblem).question,
                                           pace);
    report.output += EditorText::tr("folder: %1\n").arg(QDir(folder).absolutePath());
    report.output += describe(FileNames::letter, letter);
    report.output += describe(FileNames::declaration, declaration);
    report.output += describeProgram(program, read, carried);
    report.output += describeWords(carried);
    report.output += describePresentation(carried);
    if (!carriedOwnPace.ok())
        report.output += EditorText::tr("the show's pace: unusable (%1); the show keeps its own\n").arg(carriedOwnPace.why());
    report.output += describePace(pace);
    report.output += describeTypefaces(carried);
    reportAnalysis(analysis, report);
    return report;
}
