#pragma once

#include "players/mediaplayer.h"

#include <QPointer>
#include <QVideoFrame>

#include <optional>

class QAudioOutput;
class QMediaPlayer;

// Plays through Qt Multimedia, on GStreamer where Qt's backend for it serves
// and on Qt's default backend elsewhere. The decoder is set up on first use
// and playback starts from the event loop, so neither holds up the window: a
// player that is never used costs nothing. A file that cannot be played, or a
// backend that cannot play at all, ends at once: it never holds up the show.
class QtMediaBackend : public MediaBackend
{
    Q_OBJECT
public:
    explicit QtMediaBackend(QObject *parent = nullptr);
    ~QtMediaBackend() override;

    // The backend chosen (by ProcessSettings or the user): "gstreamer", the
    // user's own, or empty for Qt's default.
    static QString backendName();
    // Whether one of Qt's media backends, the one named `key` or any where
    // `key` is empty, is installed and loads.
    static bool backendLoads(const QString &key);
    // Whether that backend (or, chosen by none, any) is installed and loads.
    static bool backendServes();

    bool isAvailable() const override;
    void play(const QString &path) override;
    void stop() override;
    void setVolume(int percent) override;
    void setVideoOutput(QVideoWidget *view) override;

private:
    QMediaPlayer *player();
    void startPending();
    void finish();
    void release();

    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_audio = nullptr;
    QPointer<QVideoWidget> m_view;
    QVideoFrame m_lastFrame;
    float m_volume = 1.0f;
    QString m_pendingPath;
    QString m_playing;
    mutable std::optional<bool> m_serves;
};
