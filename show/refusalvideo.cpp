// SPDX-License-Identifier: GPL-3.0-or-later
// Members of Form1, the show's window (show/form1.h): PlayRefusalVideo and the
// video player's handler WindowsMediaPlayer1_PlaybackEnded.
#include "runtime/host.h"
#include "runtime/hostfiles.h"
#include "runtime/runtimeerror.h"
#include "runtime/timeline.h"
#include "show/deletemediafile.h"
#include "show/form1.h"
#include "stage/programfiles.h"

namespace {
constexpr qint32 videoFinished = 1;
}

// The answer was not Yes: the music stops, the stage gives way to the video.
void Form1::PlayRefusalVideo()
{
    WindowsMediaPlayer2->controls().stop();
    Picture1->setVisible(false);
    WindowsMediaPlayer1View->setVisible(true); // uncovered by the stage
    SaveFileFromRes(QVariant::fromValue<qint16>(Resources::video), Resources::type,
                    ProgramPath(FileNames::video));
    WindowsMediaPlayer1->setURL(ProgramPath(FileNames::video));
    setCaption(m_words.filmCaption);
    Timeline::mark("video started");
}

// The video is over (or could not be played): the media files go, and the
// last plea decides how the show ends. It is made once.
void Form1::WindowsMediaPlayer1_PlaybackEnded(qint32 value)
{
    if (value != videoFinished || m_videoEndHandled)
        return;
    Timeline::mark("video ended");
    m_videoEndHandled = true;

    DeleteMediaFile(ProgramPath(FileNames::music));
    DeleteMediaFile(ProgramPath(FileNames::video));

    Answer = QVariant::fromValue<qint32>(
            ShowMessage(m_words.pleaPrompt, BoxStyle::yesNo, m_words.pleaTitle));
    if (Answer.toInt() == BoxResult::yes) {
        Answer2 = static_cast<qint16>(ShowMessage(
                m_words.pleaMatchmakerPrompt, BoxStyle::yesNo, m_words.pleaMatchmakerTitle));
        if (Answer2 != BoxResult::yes)
            EndProgram();
        QString address = m_words.address;
        emit leavingPageOpen();
        OpenWebPage(address);
        return;
    }
    ShowMessage(m_words.vowPrompt, BoxStyle::okInformation, m_words.vowTitle);
    EndProgram();
}
