#include "players/qtmediabackend.h"

#include "runtime/timeline.h"

#include <QAudioOutput>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QMediaPlayer>
#include <QPluginLoader>
#include <QTimer>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>

#include <utility>

namespace {
// Where Qt looks for its media backends: its own plugin folder, and the
// folders the user adds.
QStringList mediaPluginFolders()
{
    QStringList folders = qEnvironmentVariable("QT_PLUGIN_PATH").split(QDir::listSeparator(),
                                                                       Qt::SkipEmptyParts);
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath);
    for (QString &folder : folders)
        folder += QStringLiteral("/multimedia");
    return folders;
}

} // namespace

bool QtMediaBackend::backendLoads(const QString &key)
{
    for (const QString &folder : mediaPluginFolders()) {
        const QDir plugins(folder, QStringLiteral("*.so"));
        for (const QString &file : plugins.entryList(QDir::Files)) {
            QPluginLoader plugin(plugins.filePath(file));
            const QJsonArray keys = plugin.metaData()
                                            .value(QLatin1String("MetaData"))
                                            .toObject()
                                            .value(QLatin1String("Keys"))
                                            .toArray();
            if ((key.isEmpty() || keys.contains(key)) && plugin.load())
                return true;
        }
    }
    return false;
}

QString QtMediaBackend::backendName()
{
    return qEnvironmentVariable("QT_MEDIA_BACKEND");
}

// Without a backend Qt 6.4 ends the whole program as soon as a player or a
// video surface is made, and newer releases make players that never play.
bool QtMediaBackend::backendServes()
{
    return backendLoads(backendName());
}

bool QtMediaBackend::isAvailable() const
{
    if (!m_serves)
        m_serves = backendServes();
    return *m_serves;
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
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus status) {
                if (status == QMediaPlayer::BufferedMedia)
                    Timeline::mark(QStringLiteral("playing ") + m_player->source().fileName());
                if (status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia)
                    finish();
            });
    connect(m_player, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error error) {
        if (error != QMediaPlayer::NoError)
            finish();
    });
    return m_player;
}

// Played to its end or failed: the file is let go before anyone hears of it,
// so that whoever hears of it can delete it at once.
void QtMediaBackend::finish()
{
    if (m_playing.isEmpty())
        return;
    Timeline::mark(QStringLiteral("finished ") + QFileInfo(m_playing).fileName());
    release();
    emit finished();
}

// The player lets go of its file; the film's last frame stays on the
// surface, as a finished film is seen, behind whatever comes next.
void QtMediaBackend::release()
{
    m_playing.clear();
    if (!m_player)
        return;
    m_player->setVideoOutput(nullptr);
    m_player->stop();
    m_player->setSource(QUrl());
    if (m_view && m_lastFrame.isValid())
        m_view->videoSink()->setVideoFrame(m_lastFrame);
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
    m_playing = std::exchange(m_pendingPath, QString());
    // A player that cannot play (no backend, or one that failed as the
    // player was made, before anyone listened) ends at once.
    if (!isAvailable() || !player()->isAvailable()) {
        Timeline::mark(QStringLiteral("no media backend"));
        QTimer::singleShot(0, this, &QtMediaBackend::finish);
        return;
    }
    // Given again each time: letting go of a file takes the surface away.
    if (m_view)
        m_player->setVideoOutput(m_view.data());
    m_player->setSource(QUrl::fromLocalFile(m_playing));
    m_player->play();
}

void QtMediaBackend::stop()
{
    m_pendingPath.clear();
    release();
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
    // Some backends send an empty frame at the end of the stream: the last
    // picture is kept here.
    if (view)
        connect(view->videoSink(), &QVideoSink::videoFrameChanged, this,
                [this](const QVideoFrame &frame) {
                    if (frame.isValid())
                        m_lastFrame = frame;
                });
    if (m_player)
        m_player->setVideoOutput(view);
}
