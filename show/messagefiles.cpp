// Members of Form1, the show's window (show/form1.h): its procedures for the
// two message files, WriteDefaultMessages and ReadMessageFile.
#include "show/form1.h"

#include "stage/programfiles.h"
#include "runtime/hostfiles.h"

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
    if (!FileExists(letterPath)) {
        m_files.OpenForOutput(letterPath, letterFileNumber);
        m_files.PrintLine(letterFileNumber, Text2->Text());
        m_files.CloseFile(letterFileNumber);
    }
    const QString declarationPath = ProgramPath(FileNames::declaration);
    if (!FileExists(declarationPath)) {
        m_files.OpenForOutput(declarationPath, declarationFileNumber);
        m_files.PrintLine(declarationFileNumber, Text3->Text());
        m_files.CloseFile(declarationFileNumber);
    }
}

void Form1::ReadMessageFile(const QString &fileName)
{
    m_files.OpenForBinary(ProgramPath(fileName), readFileNumber);
    LoadedText = QString(m_files.FileLength(readFileNumber), QLatin1Char(' '));
    m_files.ReadText(readFileNumber, LoadedText);
    Label3->setCaption(LoadedText);
    m_files.CloseFile(readFileNumber);
}
