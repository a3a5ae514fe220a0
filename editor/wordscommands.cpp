// SPDX-License-Identifier: GPL-3.0-or-later
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

// The file's problems, and the buttons' language where this machine has no
// translation for it.
QStringList problemsOf(const WordsFile::Read &read, const QString &file)
{
    QList<WordsFile::Problem> problems = read.problems;
    if (const qsizetype at = read.keysGiven.indexOf(QStringLiteral("buttons")); at >= 0) {
        Reason why;
        // Only a name the file's own checks took is looked up among the translations.
        if (read.problems.isEmpty() && !ButtonWords::forLanguage(read.words.buttons, &why))
            problems.append({ read.linesGiven[at], why });
    }
    QStringList lines;
    for (const WordsFile::Problem &problem : problems)
        lines.append(QStringLiteral("%1:%2: %3").arg(file).arg(problem.line).arg(problem.message.text()));
    return lines;
}

QString presentationName(const QString &presentation)
{
    return presentation == Presentation::screen ? EditorText::tr("on the whole screen")
                                                : EditorText::tr("in its window");
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
        return CheckReport::failure(EditorText::tr("the folder %1 does not exist").arg(folder));
    const Produced<CarriedAssets> carried = ShowProgram(folder).read();
    if (!carried.ok())
        return CheckReport::failure(carried.why());
    CheckReport report;
    Reason damaged, note;
    const Words words = WordsFile::carriedBy(*carried, &damaged, &note);
    if (!damaged.isEmpty())
        report.errors = EditorText::tr("velmora-editor: %1; the defaults are written\n").arg(damaged.text());
    if (!note.isEmpty())
        report.errors += QStringLiteral("velmora-editor: %1\n").arg(note.text());

    const Produced<ShowPace> carriedOwnPace = carriedPace(*carried);
    const ShowPace pace = carriedOwnPace.ok() ? carriedOwnPace.value() : ShowPace();
    QSaveFile out(file);
    // The pace is set by --pace; the file shows it.
    const QByteArray text = wordsFileBytes(words)
            + (QStringLiteral("# ") + describePace(pace)).toUtf8();
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit())
        return CheckReport::failure(EditorText::tr("cannot write %1: %2").arg(file, out.errorString()));
    report.output = EditorText::tr("the show's words are written to %1\n").arg(file);
    return report;
}

CheckReport setWords(const QString &file, const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return CheckReport::failure(EditorText::tr("the folder %1 does not exist").arg(folder));
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return CheckReport::failure(EditorText::tr("cannot read %1: %2").arg(file, in.errorString()));
    if (in.size() > maxFileBytes)
        return CheckReport::failure(EditorText::tr("%1 is too large for a words file").arg(file));
    const WordsFile::Read read = WordsFile::parse(CodePage::fromFileBytes(in.readAll()));
    if (const QStringList problems = problemsOf(read, file); !problems.isEmpty()) {
        CheckReport report = CheckReport::failure(EditorText::tr("nothing is written"));
        report.errors = problems.join(QLatin1Char('\n')) + QLatin1Char('\n') + report.errors;
        return report;
    }

    ShowProgram program(folder);
    if (const Outcome carried = program.carryWords(read.words, QFileInfo(file).fileName());
        !carried.ok())
        return CheckReport::failure(carried.why());
    CheckReport report;
    report.output = EditorText::tr("the show's words are set from %1 (%2 differ from the defaults): %3 is written\n")
                            .arg(file)
                            .arg(WordsFile::changedKeys(read.words).size())
                            .arg(program.path());
    return report;
}

CheckReport setPresentation(const QString &presentation, const QString &folder)
{
    if (const Reason refusal = WordsField::byKey(QStringLiteral("presentation"))->refusal(presentation);
        !refusal.isEmpty())
        return CheckReport::failure(refusal.text());
    if (!QFileInfo(folder).isDir())
        return CheckReport::failure(EditorText::tr("the folder %1 does not exist").arg(folder));
    ShowProgram program(folder);
    const Produced<CarriedAssets> carried = program.read();
    if (!carried.ok())
        return CheckReport::failure(carried.why());
    Reason damaged;
    Words words = WordsFile::carriedBy(*carried, &damaged);
    if (!damaged.isEmpty())
        return CheckReport::failure(EditorText::tr("%1; nothing is written").arg(damaged.text()));
    words.presentation = presentation;
    const AssetBundle::Entry *before = carried->find(AssetBundle::Keys::words);
    const QString source = before ? before->sourceName : QStringLiteral("--presentation");
    if (const Outcome written = program.carryWords(words, source); !written.ok())
        return CheckReport::failure(written.why());
    CheckReport report;
    report.output = EditorText::tr("the show is presented %1: %2 is written\n")
                            .arg(presentationName(presentation), program.path());
    return report;
}

QByteArray wordsFileBytes(const Words &words)
{
    QStringEncoder utf8(QStringConverter::Utf8, QStringConverter::Flag::WriteBom);
    return utf8.encode(WordsFile::write(words));
}

QString describeWords(const CarriedAssets &carried)
{
    Reason problem;
    const Words words = WordsFile::carriedBy(carried, &problem);
    if (!problem.isEmpty())
        return EditorText::tr("the show's words: unusable (%1); the show says the defaults\n").arg(problem.text());
    const QStringList changed = WordsFile::changedKeys(words);
    if (changed.isEmpty())
        return EditorText::tr("the show's words: the defaults\n");
    QString lines = EditorText::tr("the show's words: %1 differ from the defaults\n").arg(changed.size());
    for (const QString &key : changed)
        lines += QStringLiteral("  %1 = %2\n").arg(key, firstLine(words.*WordsField::byKey(key)->member));
    return lines;
}

QString describePresentation(const CarriedAssets &carried)
{
    Reason problem, note;
    const Words words = WordsFile::carriedBy(carried, &problem, &note);
    QString line = EditorText::tr("presentation: %1").arg(presentationName(words.presentation));
    if (!note.isEmpty())
        line += QStringLiteral(" (%1)").arg(note.text());
    return line + QLatin1Char('\n');
}
