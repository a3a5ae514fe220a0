#pragma once

#include "runtime/mediaplayer.h"

#include <QPointer>

class QAudioOutput;
class QMediaPlayer;

// Plays through Qt Multimedia (the GStreamer backend). The decoder is set up
// on first use and playback starts from the event loop, so neither holds up
// the window: a player that is never used costs nothing.
class QtMediaBackend : public MediaBackend
{
    Q_OBJECT
public:
    explicit QtMediaBackend(QObject *parent = nullptr);
    ~QtMediaBackend() override;

    // Settings the media framework and the video surface read when they
    // start: to be called before the application object is made. The user's
    // own settings win.
    static void prepareEnvironment();

    void play(const QString &path) override;
    void stop() override;
    void setVolume(int percent) override;
    void setVideoOutput(QVideoWidget *view) override;

private:
    QMediaPlayer *player();
    void startPending();

    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_audio = nullptr;
    QPointer<QVideoWidget> m_view;
    float m_volume = 1.0f;
    QString m_pendingPath;
};
