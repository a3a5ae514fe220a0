#include "players/mediaprobe.h"

#include "players/qtmediabackend.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>


namespace {
// Known to play or not, and how long: some streams tell their length only
// after they have loaded.
bool settled(const QMediaPlayer &player)
{
    return player.error() != QMediaPlayer::NoError
            || player.mediaStatus() == QMediaPlayer::InvalidMedia
            || (player.mediaStatus() == QMediaPlayer::LoadedMedia && player.duration() > 0);
}
} // namespace

MediaProbe MediaProbe::probe(const QString &path, Kind kind, int timeoutMs)
{
    MediaProbe result;
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        result.problem = Reason(QT_TRANSLATE_NOOP("Reason", "the file cannot be read"));
        return result;
    }
    // Qt 6.4 ends the whole program when a player is made without a backend.
    if (!QtMediaBackend::backendServes()) {
        result.problem = Reason(QT_TRANSLATE_NOOP("Reason", "this machine has no player for music and films"));
        return result;
    }
    QMediaPlayer player;
    // As with the show's players: without an audio output an audio-only
    // file does not load. Nothing is played.
    QAudioOutput silent;
    silent.setMuted(true);
    player.setAudioOutput(&silent);
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    const auto quitWhenSettled = [&] {
        if (settled(player))
            loop.quit();
    };
    QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, &loop, quitWhenSettled);
    QObject::connect(&player, &QMediaPlayer::durationChanged, &loop, quitWhenSettled);
    QObject::connect(&player, &QMediaPlayer::errorOccurred, &loop, quitWhenSettled);
    player.setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    if (!settled(player)) {
        deadline.start(timeoutMs);
        loop.exec();
    }

    const bool loaded = player.mediaStatus() == QMediaPlayer::LoadedMedia
            && player.error() == QMediaPlayer::NoError;
    if (!loaded) {
        result.problem = player.error() != QMediaPlayer::NoError
                ? Reason(QT_TRANSLATE_NOOP("Reason", "the show's player cannot open it (%1)"))
                          .arg(player.errorString())
                : Reason(QT_TRANSLATE_NOOP("Reason", "the show's player cannot open it"));
        return result;
    }
    if (kind == Kind::Video && !player.hasVideo()) {
        result.problem = Reason(QT_TRANSLATE_NOOP("Reason", "it holds no pictures"));
        return result;
    }
    if (kind == Kind::Audio && !player.hasAudio()) {
        result.problem = Reason(QT_TRANSLATE_NOOP("Reason", "it holds no sound"));
        return result;
    }
    result.durationMs = player.duration();
    if (result.durationMs <= 0) {
        result.problem = Reason(QT_TRANSLATE_NOOP("Reason", "the show's player cannot tell how long it lasts"));
        return result;
    }
    result.playable = true;
    return result;
}
