#include "players/mediaprobe.h"

#include "players/qtmediabackend.h"

#include <QAudioOutput>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {
// The decoders speak their minds on the standard error (FFmpeg's estimate of
// an MP3's length, say); while a file is probed, that is not the editor's
// word to the user, whose one line says what is wrong.
class QuietDecoders
{
public:
    QuietDecoders()
    {
        std::fflush(stderr);
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (null >= 0 && m_saved >= 0)
            ::dup2(null, STDERR_FILENO);
        if (null >= 0)
            ::close(null);
    }
    ~QuietDecoders()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        ::dup2(m_saved, STDERR_FILENO);
        ::close(m_saved);
    }
    QuietDecoders(const QuietDecoders &) = delete;
    QuietDecoders &operator=(const QuietDecoders &) = delete;

private:
    int m_saved = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
};

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
    // Qt 6.4 ends the whole program when a player is made without a backend.
    if (!QtMediaBackend::backendServes()) {
        result.problem = QStringLiteral("这台电脑上没有能放音乐和短片的播放器");
        return result;
    }
    const QuietDecoders quiet;
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
