// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for the show's costs while the letter is typed: a window of the
// stage's size and a player of the same music, on the same media backend,
// and nothing else. It prints when the music is buffered and playing, in
// milliseconds since it started, as the show's timeline does.
#include <QApplication>
#include <QAudioOutput>
#include <QElapsedTimer>
#include <QMediaPlayer>
#include <QUrl>
#include <QWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bare-player MUSIC\n");
        return 2;
    }
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare player"));
    window.setFixedSize(789, 486);

    QMediaPlayer player;
    QAudioOutput output;
    output.setVolume(0.5f);
    player.setAudioOutput(&output);
    QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, [&](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::BufferedMedia)
            std::printf("bare-player: playing at %.1f ms\n", sinceStart.nsecsElapsed() / 1e6);
        std::fflush(stdout);
    });
    player.setSource(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])));

    window.show();
    player.play();
    return app.exec();
}
