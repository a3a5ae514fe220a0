#include "runtime/qtmediabackend.h"

#include "runtime/timeline.h"

#include <QAudioOutput>
#include <QDir>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <QVideoWidget>

#include <utility>

namespace {
// GStreamer ranks its FFmpeg-based MP3 decoder first; loading it drags in the
// whole of FFmpeg's codec libraries, which holds the music up by a few hundred
// milliseconds. The mpg123 decoder is small and decodes the same streams. The
// user's own rank settings, read after ours, still win.
void preferLightDecoders()
{
    QByteArray ranks = QByteArrayLiteral("mpg123audiodec:MAX");
    const QByteArray own = qgetenv("GST_PLUGIN_FEATURE_RANK");
    if (!own.isEmpty())
        ranks += ',' + own;
    qputenv("GST_PLUGIN_FEATURE_RANK", ranks);
}

// Without a graphics device OpenGL is emulated on the processor, and the video
// surface drawing through it costs twice the processor time of Qt's own
// raster drawing, and the emulator 70 MB of memory. There, the window system
// is used without OpenGL.
void avoidEmulatedOpenGl()
{
    if (!qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        return;
    const QStringList devices
            = QDir(QStringLiteral("/dev/dri"))
                      .entryList({ QStringLiteral("card*"), QStringLiteral("renderD*") },
                                 QDir::System | QDir::Files);
    if (devices.isEmpty())
        qputenv("QT_XCB_GL_INTEGRATION", "none");
}
} // namespace

void QtMediaBackend::prepareEnvironment()
{
    static bool done = false;
    if (std::exchange(done, true))
        return;
    // Qt 6.4's FFmpeg backend is not ready for shows without a sound device.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
    preferLightDecoders();
    avoidEmulatedOpenGl();
}

QtMediaBackend::QtMediaBackend(QObject *parent)
    : MediaBackend(parent)
{ }

QtMediaBackend::~QtMediaBackend() = default;

QMediaPlayer *QtMediaBackend::player()
{
    if (m_player)
        return m_player;
    m_player = new QMediaPlayer(this);
    // Every player gets an audio output: without one an audio-only file fails.
    m_audio = new QAudioOutput(this);
    m_audio->setVolume(m_volume);
    m_player->setAudioOutput(m_audio);
    if (m_view)
        m_player->setVideoOutput(m_view.data());
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus status) {
                if (status == QMediaPlayer::BufferedMedia)
                    Timeline::mark(QStringLiteral("playing ") + m_player->source().fileName());
                if (status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia) {
                    Timeline::mark(QStringLiteral("finished ") + m_player->source().fileName());
                    emit finished();
                }
            });
    connect(m_player, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error error) {
        if (error != QMediaPlayer::NoError)
            emit finished();
    });
    return m_player;
}

void QtMediaBackend::play(const QString &path)
{
    const bool alreadyPending = !m_pendingPath.isEmpty();
    m_pendingPath = path;
    if (!alreadyPending)
        QTimer::singleShot(0, this, &QtMediaBackend::startPending);
}

void QtMediaBackend::startPending()
{
    if (m_pendingPath.isEmpty())
        return; // stopped before it started
    const QString path = std::exchange(m_pendingPath, QString());
    player()->setSource(QUrl::fromLocalFile(path));
    m_player->play();
}

void QtMediaBackend::stop()
{
    m_pendingPath.clear();
    if (m_player)
        m_player->stop();
}

void QtMediaBackend::setVolume(int percent)
{
    m_volume = percent / 100.0f;
    if (m_audio)
        m_audio->setVolume(m_volume);
}

void QtMediaBackend::setVideoOutput(QVideoWidget *view)
{
    m_view = view;
    if (m_player)
        m_player->setVideoOutput(view);
}
