// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as a words file, read as `velmora-editor
// --words FILE` reads it (the code page or mark, the lines, each text's
// refusal, the problems by line). Words taken whole are exported as
// --export-words writes them and carried as a program carries them, and
// both read back the same.
#include "editor/wordscommands.h"
#include "fuzzfile.h"
#include "runtime/codepage.h"
#include "runtime/linebreaks.h"
#include "stage/wordsfile.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>

namespace {
// A folder without the show's program: --words reads the file, then finds
// nothing to write into.
QString emptyFolder()
{
    static const QTemporaryDir folder;
    return folder.path();
}

void problemsInOrderOnTheirLines(const WordsFile::Read &read, const QString &text)
{
    const qsizetype lines = LineBreaks::toLf(text).count(QLatin1Char('\n')) + 1;
    require(std::is_sorted(read.problems.begin(), read.problems.end(),
                           [](const auto &a, const auto &b) { return a.line < b.line; }));
    for (const WordsFile::Problem &problem : read.problems)
        require(problem.line >= 1 && problem.line <= lines && !problem.message.isEmpty());
    require(read.keysGiven.size() == read.linesGiven.size());
}

void exportedAndCarriedAlike(const Words &words)
{
    const WordsFile::Read again = WordsFile::parse(CodePage::fromFileBytes(wordsFileBytes(words)));
    require(again.problems.isEmpty() && again.words == words);
    Reason problem;
    require(WordsFile::fromEntry(WordsFile::toEntry(words), &problem) == words && problem.isEmpty());
}

// Every problem is reported on its line, and nothing is written.
void setAsTheEditorDoes(const QByteArray &bytes, const WordsFile::Read &read)
{
    const FileInMemory file(bytes);
    const CheckReport report = setWords(file.path(), emptyFolder());
    require(report.exitCode == CheckReport::Unreadable);
    for (const WordsFile::Problem &problem : read.problems)
        require(report.errors.contains(QStringLiteral("%1:%2: ").arg(file.path()).arg(problem.line)));
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // For where the editor looks for the show's program beside itself.
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = CodePage::fromFileBytes(bytes);
    const WordsFile::Read read = WordsFile::parse(text);
    problemsInOrderOnTheirLines(read, text);
    if (read.problems.isEmpty())
        exportedAndCarriedAlike(read.words);
    setAsTheEditorDoes(bytes, read);
    return 0;
}
