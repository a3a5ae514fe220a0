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

    // GStreamer ranks its FFmpeg-based MP3 decoder first; loading it drags in
    // the whole of FFmpeg's codec libraries, which holds the music up by a few
    // hundred milliseconds. The mpg123 decoder is small and decodes the same
    // streams. The user's own rank settings, read after ours, still win.
    // Takes effect only when called before the media framework starts.
    static void preferLightDecoders();

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
