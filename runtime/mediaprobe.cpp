#include "runtime/mediaprobe.h"

#include <QAudioOutput>
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
        result.problem = QStringLiteral("读不了这个文件");
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
                ? QStringLiteral("放映用的播放器打不开它（%1）").arg(player.errorString())
                : QStringLiteral("放映用的播放器打不开它");
        return result;
    }
    if (kind == Kind::Video && !player.hasVideo()) {
        result.problem = QStringLiteral("里面没有画面");
        return result;
    }
    if (kind == Kind::Audio && !player.hasAudio()) {
        result.problem = QStringLiteral("里面没有声音");
        return result;
    }
    result.durationMs = player.duration();
    if (result.durationMs <= 0) {
        result.problem = QStringLiteral("放映用的播放器读不出它有多长");
        return result;
    }
    result.playable = true;
    return result;
}
