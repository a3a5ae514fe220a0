#pragma once

#include "runtime/mediaplayer.h"

class QAudioOutput;
class QMediaPlayer;

// Plays through Qt Multimedia (the GStreamer backend).
class QtMediaBackend : public MediaBackend
{
    Q_OBJECT
public:
    explicit QtMediaBackend(QObject *parent = nullptr);
    ~QtMediaBackend() override;

    void play(const QString &path) override;
    void stop() override;
    void setVolume(int percent) override;
    void setVideoOutput(QVideoWidget *view) override;

private:
    QMediaPlayer *m_player;
    QAudioOutput *m_audio;
};
