#include "runtime/qtmediabackend.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>
#include <QVideoWidget>

QtMediaBackend::QtMediaBackend(QObject *parent)
    : MediaBackend(parent)
    , m_player(new QMediaPlayer(this))
    , m_audio(new QAudioOutput(this))
{
    m_player->setAudioOutput(m_audio);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia)
            emit finished();
    });
    connect(m_player, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error error) {
        if (error != QMediaPlayer::NoError)
            emit finished();
    });
}

QtMediaBackend::~QtMediaBackend() = default;

void QtMediaBackend::play(const QString &path)
{
    m_player->setSource(QUrl::fromLocalFile(path));
    m_player->play();
}

void QtMediaBackend::stop()
{
    m_player->stop();
}

void QtMediaBackend::setVolume(int percent)
{
    m_audio->setVolume(percent / 100.0f);
}

void QtMediaBackend::setVideoOutput(QVideoWidget *view)
{
    m_player->setVideoOutput(view);
}
