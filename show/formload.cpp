#include "show/form1.h"

#include "runtime/hostfiles.h"
#include "runtime/timeline.h"
#include "stage/programfiles.h"

void Form1::Form_Load()
{
    setCaption(QStringLiteral("Velmora") + QStringLiteral("  BY Tarsune"));

    const bool declarationPresent = fileExists(ProgramPath(FileNames::declaration));
    const bool letterPresent = fileExists(ProgramPath(FileNames::letter));
    if (!declarationPresent || !letterPresent)
        WriteDefaultMessages();

    ReadMessageFile(FileNames::letter);
    Timeline::mark("letter read");

    SaveFileFromRes(QVariant::fromValue<qint16>(Resources::music), Resources::type,
                    ProgramPath(FileNames::music));
    Timeline::mark("music written");
    WindowsMediaPlayer2->setURL(ProgramPath(FileNames::music));
}
