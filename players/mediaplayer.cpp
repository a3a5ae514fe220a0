// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/mediaplayer.h"

#include <QEvent>
#include <QGuiApplication>
#include <QStackedLayout>
#include <QVideoWidget>

namespace {
constexpr qint32 mediaEnded = 1;

class ContainerClip : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
            auto *view = static_cast<QWidget *>(watched);
            if (view->parentWidget()) {
                const QRect inside = view->geometry() & view->parentWidget()->rect();
                if (inside != view->geometry())
                    view->setGeometry(inside);
            }
        }
        return false;
    }
};

bool platformClipsNativeChildren()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}
} // namespace

void MediaPlayer::keepWithinContainer(QWidget *view)
{
    view->installEventFilter(new ContainerClip(view));
}

MediaPlayer::MediaPlayer(const Settings &settings, std::unique_ptr<MediaBackend> backend,
                         QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_backend(std::move(backend))
{
    m_backend->setVolume(m_settings.volume);
    connect(m_backend.get(), &MediaBackend::finished, this, &MediaPlayer::reportEnd);
}

MediaPlayer::~MediaPlayer() = default;

void MediaPlayer::setURL(const QString &url)
{
    m_endPending = !url.isEmpty();
    if (!url.isEmpty()) {
        ensureVideoWidget();
        m_backend->play(url);
    }
}

void MediaPlayer::Controls::stop()
{
    m_player->m_endPending = false;
    m_player->m_backend->stop();
}

QWidget *MediaPlayer::createView(QWidget *container)
{
    m_surface = new QWidget(container);
    m_surface->setEnabled(m_settings.enabled);
    m_surface->setAttribute(Qt::WA_TransparentForMouseEvents, !m_settings.enabled);
    m_surface->setContextMenuPolicy(m_settings.enableContextMenu ? Qt::DefaultContextMenu
                                                                 : Qt::NoContextMenu);
    m_surface->setFocusPolicy(m_settings.enabled ? Qt::StrongFocus : Qt::NoFocus);
    auto *layout = new QStackedLayout(m_surface);
    layout->setContentsMargins(0, 0, 0, 0);
    if (!platformClipsNativeChildren())
        keepWithinContainer(m_surface);
    return m_surface;
}

void MediaPlayer::ensureVideoWidget()
{
    if (!m_surface || m_videoWidget || !m_backend->isAvailable())
        return;
    m_videoWidget = new QVideoWidget(m_surface);
    // The video fills the player's area but is never distorted: bars fill
    // where the shapes differ.
    m_videoWidget->setAspectRatioMode(Qt::KeepAspectRatio);
    m_videoWidget->setContextMenuPolicy(m_surface->contextMenuPolicy());
    m_videoWidget->setFocusPolicy(m_surface->focusPolicy());
    m_videoWidget->setAttribute(Qt::WA_TransparentForMouseEvents, !m_settings.enabled);
    m_surface->layout()->addWidget(m_videoWidget);
    m_videoWidget->show();
    m_backend->setVideoOutput(m_videoWidget);
}

void MediaPlayer::reportEnd()
{
    // The stopped state is no end; an error after the end is not a second one.
    if (!m_endPending)
        return;
    m_endPending = false;
    emit playbackEnded(mediaEnded);
}
