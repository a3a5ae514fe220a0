#include "editor/wordscommands.h"

#include "editor/editortext.h"
#include "editor/pacecommands.h"
#include "editor/showprogram.h"
#include "runtime/carriedassets.h"
#include "runtime/codepage.h"
#include "stage/buttonwords.h"
#include "stage/wordsfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringEncoder>

namespace {
// A words file is a few kilobytes; one far larger is no words file.
constexpr qint64 maxFileBytes = 16 * 1024 * 1024;

CheckReport failed(const QString &problem)
{
    CheckReport report;
    report.exitCode = CheckReport::Unreadable;
    report.errors = QStringLiteral("velmora-editor: %1\n").arg(problem);
    return report;
}

// The file's problems, and the buttons' language where this machine has no
// translation for it.
QStringList problemsOf(const WordsFile::Read &read, const QString &file)
{
    QList<WordsFile::Problem> problems = read.problems;
    if (const qsizetype at = read.keysGiven.indexOf(QStringLiteral("buttons")); at >= 0) {
        QString why;
        // Only a name the file's own checks took is looked up among the translations.
        if (read.problems.isEmpty() && !ButtonWords::forLanguage(read.words.buttons, &why))
            problems.append({ read.linesGiven[at], why });
    }
    QStringList lines;
    for (const WordsFile::Problem &problem : problems)
        lines.append(QStringLiteral("%1:%2: %3").arg(file).arg(problem.line).arg(problem.message));
    return lines;
}

QString firstLine(const QString &text)
{
    const QString first = text.section(QStringLiteral("\r\n"), 0, 0);
    return first == text ? first : first + QStringLiteral(" …");
}
} // namespace

CheckReport exportWords(const QString &file, const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return failed(EditorText::tr("the folder %1 does not exist").arg(folder));
    QString problem;
    const auto carried = ShowProgram(folder).read(&problem);
    if (!carried)
        return failed(problem);
    CheckReport report;
    QString damaged;
    const Words words = WordsFile::carriedBy(*carried, &damaged);
    if (!damaged.isEmpty())
        report.errors = EditorText::tr("velmora-editor: %1; the defaults are written\n").arg(damaged);

    QString paceNote;
    const ShowPace pace = carriedPace(*carried, &paceNote);
    QSaveFile out(file);
    // The pace is set by --pace; the file shows it.
    const QByteArray text = wordsFileBytes(words)
            + (QStringLiteral("# ") + describePace(pace)).toUtf8();
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit())
        return failed(EditorText::tr("cannot write %1: %2").arg(file, out.errorString()));
    report.output = EditorText::tr("the show's words are written to %1\n").arg(file);
    return report;
}

CheckReport setWords(const QString &file, const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return failed(EditorText::tr("the folder %1 does not exist").arg(folder));
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return failed(EditorText::tr("cannot read %1: %2").arg(file, in.errorString()));
    if (in.size() > maxFileBytes)
        return failed(EditorText::tr("%1 is too large for a words file").arg(file));
    const WordsFile::Read read = WordsFile::parse(CodePage::fromFileBytes(in.readAll()));
    if (const QStringList problems = problemsOf(read, file); !problems.isEmpty()) {
        CheckReport report = failed(EditorText::tr("nothing is written"));
        report.errors = problems.join(QLatin1Char('\n')) + QLatin1Char('\n') + report.errors;
        return report;
    }

    ShowProgram program(folder);
    QString problem;
    if (!program.carryWords(read.words, QFileInfo(file).fileName(), &problem))
        return failed(problem);
    CheckReport report;
    report.output = EditorText::tr("the show's words are set from %1 (%2 differ from the defaults): %3 is written\n")
                            .arg(file)
                            .arg(WordsFile::changedKeys(read.words).size())
                            .arg(program.path());
    return report;
}

QByteArray wordsFileBytes(const Words &words)
{
    QStringEncoder utf8(QStringConverter::Utf8, QStringConverter::Flag::WriteBom);
    return utf8.encode(WordsFile::write(words));
}

QString describeWords(const CarriedAssets &carried)
{
    QString problem;
    const Words words = WordsFile::carriedBy(carried, &problem);
    if (!problem.isEmpty())
        return EditorText::tr("the show's words: unusable (%1); the show says the defaults\n").arg(problem);
    const QStringList changed = WordsFile::changedKeys(words);
    if (changed.isEmpty())
        return EditorText::tr("the show's words: the defaults\n");
    QString lines = EditorText::tr("the show's words: %1 differ from the defaults\n").arg(changed.size());
    for (const QString &key : changed)
        lines += QStringLiteral("  %1 = %2\n").arg(key, firstLine(words.*WordsField::byKey(key)->member));
    return lines;
}
