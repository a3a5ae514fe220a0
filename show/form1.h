// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/label.h"
#include "controls/picturebox.h"
#include "controls/textbox.h"
#include "controls/tickclock.h"
#include "controls/timer.h"
#include "players/mediaplayer.h"
#include "runtime/boxcodes.h"
#include "runtime/filetable.h"
#include "runtime/host.h"
#include "stage/stage.h"
#include "runtime/windowtitle.h"
#include "stage/showpace.h"
#include "stage/words.h"

#include <QVariant>
#include <QWidget>

#include <functional>

// The show's one window: its controls, its handlers and its own procedures,
// each part of the show in a file of its own beside this one.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    // The show's files live in `programFolder`; it says `words`.
    Form1(const Host &host, const QString &programFolder, const Words &words = Words(),
          QWidget *parent = nullptr);
    ~Form1() override;
    // Types at the preparer's `pace`; a letter fitted to the song is fitted
    // to music of `musicMs`. Before Form_Load.
    void setPace(const ShowPace &pace, qint64 musicMs);

    // Handlers, as the host delivers them. They may raise run-time errors or
    // end the program; runHandler() gives them the host's treatment.
    void Form_Load();
    void Timer1_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void WindowsMediaPlayer1_PlaybackEnded(qint32 value);

    // Runs a handler to completion: a run-time error shows the host's error
    // box and ends the program, as does EndProgram().
    void runHandler(const std::function<void()> &handler);
    bool hasEnded() const { return m_ended; }
    // The code the program ends with; meaningful once it has ended.
    int exitCode() const { return m_exitCode; }

    // Draws the client area and everything in it `scale` times its size,
    // twips unchanged: the window is Stage::clientArea times that.
    void setStageScale(double scale);
    double stageScale() const { return m_stage.Picture1->scale(); }

    QString Caption() const { return m_caption; }
    // Shown exactly as written, "[*]" included.
    void setCaption(const QString &caption)
    {
        m_caption = caption;
        setWindowTitle(asWindowTitle(caption));
    }

    // A modal box of the host, `buttons` of BoxStyle; the answer of BoxResult.
    int ShowMessage(const QString &prompt, int buttons, const QString &title);

    // The window's own procedures.
    // Writes an embedded resource out as a file, whole or not at all: the
    // bytes go to a temporary file beside it that is renamed into place. False,
    // silently, when anything fails: a missing resource creates no file, and a
    // file that cannot be written stays as it was.
    bool SaveFileFromRes(const QVariant &vntResourceID, const QString &sType,
                         const QString &sFileName);
    void WriteDefaultMessages();
    void ReadMessageFile(const QString &fileName);
    qsizetype messageLength(const QString &fileName);
    void OpenWebPage(QString &address);
    void PlayRefusalVideo();
    // Ends the program from inside a handler: nothing after it runs.
    [[noreturn]] void EndProgram();

    FileTable &files() { return m_files; }
    // A file of the program folder, named afresh at each use.
    QString ProgramPath(const QString &fileName) const;

    // Controls, in the window's stacking order from the bottom.
    Label *Label3;
    QWidget *WindowsMediaPlayer1View;
    PictureBox *Picture1;
    Label *Label1;
    Label *Label2;
    Label *Label4;
    PictureBox *Picture2;
    PictureBox *Picture3;
    TextBox *Text1;
    TextBox *Text2;
    TextBox *Text3;
    Timer *Timer1;
    Timer *Timer3;
    Timer *Timer4;
    MediaPlayer *WindowsMediaPlayer1;
    MediaPlayer *WindowsMediaPlayer2;

    // Form-level variables.
    QString LoadedText;
    QString SourceText;
    QVariant Answer;
    qint16 Answer2 = 0;
    qint64 LetterRevealPos = 0;
    qint64 DeclarationRevealPos = 0;

signals:
    // The show has ended but for the web page it is opening and the window
    // it leaves open: whatever covered the screen for it steps aside now.
    void leavingPageOpen();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createStage();
    void createWorkingControls();
    void createPlayers();
    void placeVideo(double scale);
    // One typewriter tick; true when the source is complete.
    bool typeNextCharacter(qint64 &revealPos, Label *display, Timer *timer);
    void completeLetter();
    void askQuestion();
    void finish(int exitCode);

    Host m_host;
    Words m_words;
    Stage m_stage;
    QString m_caption;
    ShowPace m_pace;
    qint64 m_musicMs = qint64(Pace::musicSeconds * 1000);
    QString m_programFolder;
    TickClock m_clock;
    FileTable m_files;
    bool m_started = false;
    bool m_ended = false;
    int m_exitCode = 0;
    bool m_videoEndHandled = false;
};
