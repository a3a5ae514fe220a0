#include "runtime/mediaplayer.h"

#include <QEvent>
#include <QGuiApplication>
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
    m_backend->setVolume(m_settings.mute ? 0 : m_settings.volume);
    connect(m_backend.get(), &MediaBackend::finished, this, &MediaPlayer::reportEnd);
}

MediaPlayer::~MediaPlayer() = default;

void MediaPlayer::setURL(const QString &url)
{
    m_url = url;
    m_endPending = !url.isEmpty();
    if (m_settings.autoStart && !url.isEmpty())
        m_backend->play(url);
}

void MediaPlayer::Controls::stop()
{
    m_player->m_endPending = false;
    m_player->m_backend->stop();
}

QVideoWidget *MediaPlayer::createView(QWidget *container)
{
    auto *view = new QVideoWidget(container);
    // Stretching to fit sizes the video to the player's area but never
    // distorts it: bars fill where the shapes differ. (Qt's surface always
    // fits the video to the area; only the video player has one.)
    view->setAspectRatioMode(Qt::KeepAspectRatio);
    view->setEnabled(m_settings.enabled);
    view->setAttribute(Qt::WA_TransparentForMouseEvents, !m_settings.enabled);
    view->setContextMenuPolicy(m_settings.enableContextMenu ? Qt::DefaultContextMenu
                                                            : Qt::NoContextMenu);
    view->setFocusPolicy(m_settings.enabled ? Qt::StrongFocus : Qt::NoFocus);
    m_backend->setVideoOutput(view);
    if (!platformClipsNativeChildren())
        keepWithinContainer(view);
    return view;
}

void MediaPlayer::reportEnd()
{
    // The stopped state is no end; an error after the end is not a second one.
    if (!m_endPending)
        return;
    m_endPending = false;
    emit playbackEnded(mediaEnded);
}
