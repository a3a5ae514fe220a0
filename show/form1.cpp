// SPDX-License-Identifier: GPL-3.0-or-later
#include "show/form1.h"

#include "runtime/host.h"
#include "runtime/hostfiles.h"
#include "runtime/runtimeerror.h"
#include "runtime/timeline.h"
#include "stage/defaulttexts.h"
#include "stage/pace.h"
#include "stage/stage.h"

#include <QCloseEvent>
#include <QIcon>

#include <cmath>
#include <initializer_list>

Form1::Form1(const Host &host, const QString &programFolder, const Words &words,
             QWidget *parent)
    : QWidget(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                      | Qt::MSWindowsFixedSizeDialogHint)
    , m_host(host)
    , m_words(words)
    , m_programFolder(programFolder)
{
    setFixedSize(Stage::clientArea);
    setWindowIcon(QIcon(QStringLiteral(":/cupid-48.png")));
    setFont(Stage::windowFont());

    Label3 = new Label(this, 12120, 3840);
    Label3->setTextFont(Stage::windowFont(), 12);
    Label3->setCaption(QStringLiteral("Label3"));
    createPlayers();
    createStage();
    createWorkingControls();

    Timer1 = new Timer(this, Pace::letterTickMs, m_clock);
    Timer3 = new Timer(this, Pace::declarationTickMs, m_clock);
    Timer4 = new Timer(this, Pace::walkTickMs, m_clock);
    connect(Timer1, &Timer::timeout, this, [this] { runHandler([this] { Timer1_Timer(); }); });
    connect(Timer3, &Timer::timeout, this, [this] { runHandler([this] { Timer3_Timer(); }); });
    connect(Timer4, &Timer::timeout, this, [this] { runHandler([this] { Timer4_Timer(); }); });
}

Form1::~Form1() = default;

void Form1::setPace(const ShowPace &pace, qint64 musicMs)
{
    m_pace = pace;
    m_musicMs = musicMs;
    Timer1->setInterval(pace.letterMs);
    Timer3->setInterval(pace.declarationMs);
}

QString Form1::ProgramPath(const QString &fileName) const
{
    return programPath(m_programFolder, fileName);
}

void Form1::createPlayers()
{
    MediaPlayer::Settings video;
    video.enabled = false;
    video.enableContextMenu = false;
    video.volume = 100;
    WindowsMediaPlayer1 = new MediaPlayer(video, m_host.media.createMediaBackend(MediaRole::Video), this);
    WindowsMediaPlayer1View = WindowsMediaPlayer1->createView(this);
    placeVideo(1.0);
    // The video, once made, is a native window, which no sibling can cover:
    // its surface stays hidden for as long as the stage lies above it.
    WindowsMediaPlayer1View->hide();
    connect(WindowsMediaPlayer1, &MediaPlayer::playbackEnded, this, [this](qint32 value) {
        runHandler([this, value] { WindowsMediaPlayer1_PlaybackEnded(value); });
    });

    // The music player has no surface of its own on the stage.
    WindowsMediaPlayer2 = new MediaPlayer(MediaPlayer::Settings {},
                                          m_host.media.createMediaBackend(MediaRole::Music), this);
}

void Form1::placeVideo(double scale)
{
    WindowsMediaPlayer1View->setGeometry(0, 0, twipsToPixels(11820, scale),
                                         twipsToPixels(7440, scale));
}

void Form1::setStageScale(double scale)
{
    setFixedSize(int(std::lround(Stage::clientArea.width() * scale)),
                 int(std::lround(Stage::clientArea.height() * scale)));
    // The working controls keep out of sight by their places, scaled alike.
    for (TwipsGeometry *control : std::initializer_list<TwipsGeometry *> { Label3, Text1, Text2, Text3 })
        control->setScale(scale);
    placeVideo(scale);
    m_stage.setScale(scale);
}

void Form1::createStage()
{
    m_stage = Stage::build(this, m_host.assets);
    const Stage &stage = m_stage;
    Picture1 = stage.Picture1;
    Label1 = stage.Label1;
    Label2 = stage.Label2;
    Label4 = stage.Label4;
    Picture2 = stage.Picture2;
    Picture3 = stage.Picture3;
}

void Form1::createWorkingControls()
{
    // Below the client area: visible and enabled, out of sight by position alone.
    Text1 = new TextBox(this, 120, 7800, 12135, 375);
    Text2 = new TextBox(this, 120, 8160, 12135, 375);
    Text2->setText(DefaultTexts::letter());
    Text3 = new TextBox(this, 120, 8520, 12135, 375);
    Text3->setText(DefaultTexts::declaration());
}

namespace {
// Thrown by EndProgram(), so that nothing after it in a handler runs;
// runHandler() turns it into the real end of the program.
struct ProgramEnd
{ };
} // namespace

int Form1::ShowMessage(const QString &prompt, int buttons, const QString &title)
{
    return BoxCodes::of(m_host.boxes.showMessage(prompt, BoxCodes::buttonsOf(buttons), title));
}

void Form1::EndProgram()
{
    throw ProgramEnd {};
}

void Form1::runHandler(const std::function<void()> &handler)
{
    if (m_ended)
        return;
    try {
        handler();
    } catch (const ProgramEnd &) {
        finish(0);
    } catch (const RuntimeError &error) {
        m_files.closeAll();
        m_host.boxes.showRuntimeError(error);
        finish(1);
    }
}

void Form1::finish(int exitCode)
{
    m_ended = true;
    m_exitCode = exitCode;
    m_files.closeAll();
    Timer1->setEnabled(false);
    Timer3->setEnabled(false);
    Timer4->setEnabled(false);
    m_host.exit.endProgram(exitCode);
}

void Form1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_started) {
        m_started = true;
        Timer1->setEnabled(true);
        Timeline::mark("letter began");
    }
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Closing ends the show at once; whatever files exist stay.
    event->accept();
    if (!m_ended)
        finish(0);
}
