#include "runtime/qtmediabackend.h"

#include "runtime/timeline.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <QVideoWidget>

#include <utility>

void QtMediaBackend::preferLightDecoders()
{
    static bool done = false;
    if (std::exchange(done, true))
        return;
    QByteArray ranks = QByteArrayLiteral("mpg123audiodec:MAX");
    const QByteArray own = qgetenv("GST_PLUGIN_FEATURE_RANK");
    if (!own.isEmpty())
        ranks += ',' + own;
    qputenv("GST_PLUGIN_FEATURE_RANK", ranks);
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
