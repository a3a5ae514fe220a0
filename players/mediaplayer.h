// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/mediabackend.h"

#include <QObject>
#include <QString>

#include <memory>

class QVideoWidget;
class QWidget;

// One media player of the window. Setting the URL plays that file once from
// its start; playbackEnded(1) reports, once per file, that it is over or
// cannot be played at all.
class MediaPlayer : public QObject
{
    Q_OBJECT
public:
    // What each player is set up with. Every player plays a file once, shows
    // the video surface alone (no controls) and no error dialogs of its own.
    struct Settings
    {
        bool enabled = true;
        bool enableContextMenu = true;
        int volume = 50;
    };

    class Controls
    {
    public:
        explicit Controls(MediaPlayer *player)
            : m_player(player)
        { }
        void stop();

    private:
        MediaPlayer *m_player;
    };

    MediaPlayer(const Settings &settings, std::unique_ptr<MediaBackend> backend,
                QObject *parent = nullptr);
    ~MediaPlayer() override;

    void setURL(const QString &url);
    Controls controls() { return Controls(this); }

    // The surface the video is drawn on, configured from the settings. The
    // video widget inside it (a native window, and the media framework behind
    // it) is made only when a file is first given, so a show that never plays
    // the video never pays for it. The surface's area may reach past its
    // container's edges, which cut it off there.
    QWidget *createView(QWidget *container);

    // A video surface is a native window of its own. X11 cuts it off at its
    // container's edges; a Wayland compositor draws all of it, over whatever
    // lies beyond them. There the surface is kept within its container.
    static void keepWithinContainer(QWidget *view);

signals:
    void playbackEnded(qint32 value);

private:
    void reportEnd();
    void ensureVideoWidget();

    Settings m_settings;
    std::unique_ptr<MediaBackend> m_backend;
    QWidget *m_surface = nullptr;
    QVideoWidget *m_videoWidget = nullptr;
    bool m_endPending = false;
};
