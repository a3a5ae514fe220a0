// SPDX-License-Identifier: GPL-3.0-or-later
// Members of Form1, the show's window (show/form1.h): its procedures for the
// two message files, WriteDefaultMessages and ReadMessageFile.
#include "show/form1.h"

#include "runtime/hostfiles.h"
#include "stage/programfiles.h"

namespace {
constexpr int letterFileNumber = 1;
constexpr int declarationFileNumber = 2;
constexpr int readFileNumber = 1;
} // namespace

// Writes the default text of each message file that is missing. A file the
// user already has keeps what they wrote in it.
void Form1::WriteDefaultMessages()
{
    const QString letterPath = ProgramPath(FileNames::letter);
    if (!fileExists(letterPath)) {
        m_files.openForOutput(letterPath, letterFileNumber);
        m_files.printLine(letterFileNumber, Text2->Text());
        m_files.closeFile(letterFileNumber);
    }
    const QString declarationPath = ProgramPath(FileNames::declaration);
    if (!fileExists(declarationPath)) {
        m_files.openForOutput(declarationPath, declarationFileNumber);
        m_files.printLine(declarationFileNumber, Text3->Text());
        m_files.closeFile(declarationFileNumber);
    }
}

// How long a message file's text is, for the pace: nothing else is touched.
qsizetype Form1::messageLength(const QString &fileName)
{
    m_files.openForBinary(ProgramPath(fileName), readFileNumber);
    QString text(m_files.fileLength(readFileNumber), QLatin1Char(' '));
    m_files.readText(readFileNumber, text);
    m_files.closeFile(readFileNumber);
    return text.size();
}

void Form1::ReadMessageFile(const QString &fileName)
{
    m_files.openForBinary(ProgramPath(fileName), readFileNumber);
    LoadedText = QString(m_files.fileLength(readFileNumber), QLatin1Char(' '));
    m_files.readText(readFileNumber, LoadedText);
    Label3->setCaption(LoadedText);
    m_files.closeFile(readFileNumber);
}
