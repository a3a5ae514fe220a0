// SPDX-License-Identifier: GPL-3.0-or-later
#include "show/form1.h"

#include "runtime/hostfiles.h"
#include "runtime/timeline.h"
#include "stage/programfiles.h"

void Form1::Form_Load()
{
    setCaption(m_words.caption);

    const bool declarationPresent = fileExists(ProgramPath(FileNames::declaration));
    const bool letterPresent = fileExists(ProgramPath(FileNames::letter));
    if (!declarationPresent || !letterPresent)
        WriteDefaultMessages();

    ReadMessageFile(FileNames::letter);
    Timeline::mark("letter read");
    if (m_pace.letterFitted)
        Timer1->setInterval(m_pace.letterTickMs(LoadedText.size(),
                                                messageLength(FileNames::declaration), m_musicMs));

    SaveFileFromRes(QVariant::fromValue<qint16>(Resources::music), Resources::type,
                    ProgramPath(FileNames::music));
    Timeline::mark("music written");
    WindowsMediaPlayer2->setURL(ProgramPath(FileNames::music));
}
