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

QString whyFolderCannotBeOpened(const QString &folder)
{
    const QFileInfo info(folder);
    const QString shown = QDir::toNativeSeparators(folder);
    if (!info.exists())
        return EditorText::tr("the folder %1 does not exist").arg(shown);
    if (!info.isDir())
        return EditorText::tr("%1 is a file, not a folder: give the folder the show is in").arg(shown);
    if (!info.isReadable() || !info.isExecutable() || !QDir(folder).isReadable())
        return EditorText::tr("no permission to open the folder %1").arg(shown);
    return {};
}

CheckReport checkFolder(const QString &folder)
{
    CheckReport report;
    if (const QString problem = whyFolderCannotBeOpened(folder); !problem.isEmpty()) {
        report.exitCode = CheckReport::Unreadable;
        report.errors = EditorText::tr("velmora-editor: cannot read the folder: %1\n").arg(problem);
        return report;
    }
    const QString base = QDir(folder).absolutePath() + QLatin1Char('/');
    const MessageFile letter = MessageFile::read(base + FileNames::letter, DefaultTexts::letter());
    const MessageFile declaration
            = MessageFile::read(base + FileNames::declaration, DefaultTexts::declaration());
    for (const auto &[name, file] :
         { std::pair { FileNames::letter, &letter }, { FileNames::declaration, &declaration } }) {
        if (file->state == MessageFile::State::Unreadable) {
            report.exitCode = CheckReport::Unreadable;
            report.errors += EditorText::tr("velmora-editor: cannot read %1: %2\n")
                                     .arg(base + name, file->error);
        }
    }
    if (report.exitCode == CheckReport::Unreadable)
        return report;

    const ShowProgram program(folder);
    QString programProblem;
    const std::optional<CarriedAssets> read = program.read(&programProblem);
    if (!read && program.exists()) {
        report.exitCode = CheckReport::Unreadable;
        report.errors = QStringLiteral("velmora-editor: %1\n").arg(programProblem);
        return report;
    }
    const CarriedAssets carried = read.value_or(CarriedAssets());

    QString wordsProblem; // told by describeWords()
    QString paceProblem;
    const ShowPace pace = carriedPace(carried, &paceProblem);
    const Analysis analysis = analyseTexts(letter.text, declaration.text,
                                           withCarriedTypefaces(StageLayout::standard(), carried),
                                           carriedMusicSeconds(carried),
                                           WordsFile::carriedBy(carried, &wordsProblem).question,
                                           pace);
    report.output += EditorText::tr("folder: %1\n").arg(QDir(folder).absolutePath());
    report.output += describe(FileNames::letter, letter);
    report.output += describe(FileNames::declaration, declaration);
    if (program.exists())
        report.output += EditorText::tr("program: %1\n").arg(program.path());
    else if (read)
        report.output += EditorText::tr("program: not in the folder yet; %1 will be copied\n").arg(carried.programPath());
    else
        report.output += EditorText::tr("program: %1\n").arg(programProblem);
    if (!carried.problem().isEmpty())
        report.output += EditorText::tr("what the program carries cannot be used (%1); the show uses its own\n")
                                 .arg(carried.problem());
    for (const AssetSlot &slot : AssetSlot::all())
        report.output += EditorText::tr("%1: %2\n").arg(slot.name(), describeCarried(slot, carried));
    report.output += describeWords(carried);
    if (!paceProblem.isEmpty())
        report.output += EditorText::tr("the show's pace: unusable (%1); the show keeps its own\n").arg(paceProblem);
    report.output += describePace(pace);
    report.output += describeTypefaces(carried);
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
    return report;
}
