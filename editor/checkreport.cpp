#include "editor/checkreport.h"

#include "editor/analysis.h"
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
        return QStringLiteral("%1：缺失（放映时写入默认文字），%2 个字符\n")
                .arg(fileName)
                .arg(file.text.size());
    return QStringLiteral("%1：%2，%3 字节，%4 个字符\n")
            .arg(fileName, encodingName(file.encoding))
            .arg(file.byteCount)
            .arg(file.text.size());
}
} // namespace

QString whyFolderCannotBeOpened(const QString &folder)
{
    const QFileInfo info(folder);
    const QString shown = QDir::toNativeSeparators(folder);
    const auto tr = [](const char *text) { return QCoreApplication::translate("CheckReport", text); };
    if (!info.exists())
        return tr("文件夹 %1 不存在").arg(shown);
    if (!info.isDir())
        return tr("%1 是一个文件，不是文件夹：请给放映所在的文件夹").arg(shown);
    if (!info.isReadable() || !info.isExecutable() || !QDir(folder).isReadable())
        return tr("没有权限打开文件夹 %1").arg(shown);
    return {};
}

CheckReport checkFolder(const QString &folder)
{
    CheckReport report;
    if (const QString problem = whyFolderCannotBeOpened(folder); !problem.isEmpty()) {
        report.exitCode = CheckReport::Unreadable;
        report.errors = QStringLiteral("velmora-editor: 读不了文件夹：%1\n").arg(problem);
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
            report.errors += QStringLiteral("velmora-editor: 读不了 %1：%2\n")
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
    const Analysis analysis = analyseTexts(letter.text, declaration.text, StageLayout::standard(),
                                           carriedMusicSeconds(carried),
                                           WordsFile::carriedBy(carried, &wordsProblem).question);
    report.output += QStringLiteral("文件夹：%1\n").arg(QDir(folder).absolutePath());
    report.output += describe(FileNames::letter, letter);
    report.output += describe(FileNames::declaration, declaration);
    if (program.exists())
        report.output += QStringLiteral("程序：%1\n").arg(program.path());
    else if (read)
        report.output += QStringLiteral("程序：文件夹里还没有，会复制 %1\n").arg(carried.programPath());
    else
        report.output += QStringLiteral("程序：%1\n").arg(programProblem);
    if (!carried.problem().isEmpty())
        report.output += QStringLiteral("程序带着的东西用不了（%1），放映时用内置的\n")
                                 .arg(carried.problem());
    for (const AssetSlot &slot : AssetSlot::all())
        report.output += QStringLiteral("%1：%2\n").arg(slot.name, describeCarried(slot, carried));
    report.output += describeWords(carried);
    report.output += QStringLiteral("时间线：%1\n")
                             .arg(timelineSummary(analysis.times, QStringLiteral("，")));
    for (const Warning &warning : analysis.warnings)
        report.output += warning.toString() + QLatin1Char('\n');
    if (analysis.warnings.isEmpty()) {
        report.output += noProblemsFound + QLatin1Char('\n');
    } else {
        report.output += QStringLiteral("%1 条提示\n").arg(analysis.warnings.size());
        report.exitCode = CheckReport::HasWarnings;
    }
    return report;
}
