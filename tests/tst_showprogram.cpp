// SPDX-License-Identifier: GPL-3.0-or-later
// The show's program rewritten to carry the preparer's own media: whole or
// not at all, killed at any moment, on a full disk; what it leaves goes.
#include "editor/leftovers.h"
#include "editor/messagefile.h"
#include "editor/ownassets.h"
#include "editor/showprogram.h"
#include "runtime/assetbundle.h"
#include "support/editorfixture.h"

#include <QCryptographicHash>
#include <QtTest>

#include <csignal>
#include <ctime>

#include <sys/wait.h>
#include <unistd.h>

namespace {
QByteArray checksum(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

QStringList filesIn(const TestFolder &folder)
{
    return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
}
} // namespace

class ShowProgramTest : public QObject
{
    Q_OBJECT

    EditorFixture m_editor;

private slots:
    void initTestCase() { m_editor.setUp(); }

    // A stand-in for the show's program: this test carries the show's mark.
    void theProgramIsRewrittenWholeOrNotAtAll()
    {
        TestFolder folder;
        const QString program = folder.file(QStringLiteral("velmora"));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
        const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner
                | QFileDevice::ExeOwner | QFileDevice::ExeGroup;
        QFile::setPermissions(program, permissions);
        const QDateTime stamp = QDateTime::currentDateTime().addDays(-3);
        {
            QFile file(program);
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.setFileTime(stamp, QFileDevice::FileModificationTime);
        }
        const QByteArray original = folder.read(QStringLiteral("velmora"));
        const QList<AssetBundle::Asset> song {
            { AssetBundle::Keys::music, QStringLiteral("a.mp3"), 6000, QByteArray("our song").repeated(1000) }
        };

        ShowProgram show(folder.path());
        QString problem;
        QVERIFY2(succeeded(show.change(song, {}), &problem), qPrintable(problem));
        QCOMPARE(show.read()->bytes(AssetBundle::Keys::music), song.first().bytes);
        QCOMPARE(carriedMusicSeconds(*show.read()), 6.0);
        QCOMPARE(QFileInfo(program).permissions() & 0x7077, permissions);
        QCOMPARE(QFileInfo(program).lastModified().toSecsSinceEpoch(), stamp.toSecsSinceEpoch());

        const QByteArray carrying = folder.read(QStringLiteral("velmora"));
        MAKE_READ_ONLY(folder);
        QVERIFY(!succeeded(show.change({}, { AssetBundle::Keys::music }), &problem));
        QVERIFY2(problem.contains(QStringLiteral("写不进")), qPrintable(problem));
        QCOMPARE(folder.read(QStringLiteral("velmora")), carrying);
    }

    void theProgramComesBackWhole()
    {
        TestFolder folder;
        const QString program = folder.file(QStringLiteral("velmora"));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
        const QByteArray original = folder.read(QStringLiteral("velmora"));
        ShowProgram show(folder.path());
        const QList<AssetBundle::Asset> film { { AssetBundle::Keys::film, {}, 3000, QByteArrayLiteral("film") } };
        QString problem;
        QVERIFY(succeeded(show.change(film, {}), &problem));
        QVERIFY(succeeded(show.change({}, { AssetBundle::Keys::film }), &problem));
        QCOMPARE(folder.read(QStringLiteral("velmora")), original);

        // A damaged tail goes with the next change.
        folder.write(QStringLiteral("velmora"), original + "VMASSETS and then garbage");
        QVERIFY(!show.read()->problem().isEmpty());
        QVERIFY(succeeded(show.change(film, {}), &problem));
        QVERIFY(show.read()->problem().isEmpty());
        QCOMPARE(show.read()->bytes(AssetBundle::Keys::film), QByteArray("film"));

        folder.write(QStringLiteral("velmora"), "#!/bin/sh\n");
        QVERIFY(!succeeded(show.change({}, {}), &problem));
        QVERIFY(problem.contains(QStringLiteral("不是 Velmora 的放映程序")));
    }

    // Killed at any moment of the rewrite, the program is the old one or the new
    // one, byte for byte; what a kill leaves behind goes at the next start.
    void aKillDuringTheRewriteLeavesTheOldOrTheNewProgram()
    {
        // In memory where it can be: a kill waits for the disk to take what the
        // rewrite had written, and fifty of them would take a minute.
        const QByteArray temporary = qgetenv("TMPDIR");
        if (QFileInfo(QStringLiteral("/dev/shm")).isWritable())
            qputenv("TMPDIR", "/dev/shm");
        TestFolder folder;
        qputenv("TMPDIR", temporary);
        if (temporary.isNull())
            qunsetenv("TMPDIR");
        const QByteArray bare = copyOfTheProgram(folder);
        QVERIFY(!bare.isEmpty());
        const QList<AssetBundle::Asset> song { { AssetBundle::Keys::music, QStringLiteral("a.mp3"), 9000,
                                                 QByteArray(1 << 20, 'm') } };
        // Each kill interrupts a step from one of these to the other.
        const auto rewrite = [&](bool carrying) {
            return carrying ? ShowProgram(folder.path()).change(song).ok()
                            : ShowProgram(folder.path()).change({}, { AssetBundle::Keys::music }).ok();
        };
        const auto inChild = [&](bool carrying) {
            const pid_t child = fork();
            if (child == 0)
                _exit(rewrite(carrying) ? 0 : 1);
            return child;
        };
        QElapsedTimer timer;
        timer.start();
        QVERIFY(rewrite(true));
        const qint64 rewriteNs = std::max<qint64>(timer.nsecsElapsed(), 1000000);
        const QByteArray carrying = checksum(folder.read(QStringLiteral("velmora")));
        QVERIFY(rewrite(false));
        QCOMPARE(folder.read(QStringLiteral("velmora")), bare);
        const QByteArray states[] = { checksum(bare), carrying };

        QRandomGenerator random(25);
        // Until enough kills have landed mid-way; on a busy machine more of
        // them come after the rewrite has ended.
        int whole = 0, killedMidway = 0, kills = 0;
        const int midwayWanted = 25, mostKills = 250;
        QByteArray after = states[0];
        for (; killedMidway < midwayWanted && kills < mostKills; ++kills) {
            const pid_t child = inChild(after == states[0]);
            QVERIFY(child > 0);
            // Anywhere from the start to a little past the end of the rewrite.
            const qint64 delayNs = qint64(random.bounded(1.3) * double(rewriteNs));
            const timespec pause { time_t(delayNs / 1000000000), long(delayNs % 1000000000) };
            nanosleep(&pause, nullptr);
            kill(child, SIGKILL);
            int status = 0;
            waitpid(child, &status, 0);
            killedMidway += WIFSIGNALED(status);
            after = checksum(folder.read(QStringLiteral("velmora")));
            whole += after == states[0] || after == states[1];
            removeLeftoverTemporaryFiles(folder.path());
            QCOMPARE(filesIn(folder), QStringList { QStringLiteral("velmora") });
        }
        qInfo("%d of %d kills left the old or the new program whole (%d of them killed mid-way; "
              "a rewrite takes %.0f ms)", whole, kills, killedMidway, double(rewriteNs) / 1e6);
        QCOMPARE(whole, kills);
        QCOMPARE(killedMidway, midwayWanted);

        // Where the file system cannot hold a file without a name, the temporary
        // file has a name of the save's own making; names someone chose stay.
        for (const char *name : { "velmora.Xy3kQ9", "orlessa.ini.a8Bc0d", "velmora.backup",
                                  "velmora.BACKUP", "velmora.Backup", "velmora.old", "xuanyan.ini.draft1" })
            folder.write(QString::fromLatin1(name), "x");
        QStringList removed = removeLeftoverTemporaryFiles(folder.path());
        removed.sort();
        QCOMPARE(removed, QStringList({ "orlessa.ini.a8Bc0d", "velmora.Xy3kQ9" }));
        QStringList kept = filesIn(folder);
        kept.sort();
        QCOMPARE(kept, QStringList({ "velmora", "velmora.BACKUP", "velmora.Backup", "velmora.backup",
                                     "velmora.old", "xuanyan.ini.draft1" }));
    }

    // A disk that fills up: each write says why in one line and leaves the old file whole.
    void aFullDiskKeepsTheOldFiles()
    {
        if (geteuid() != 0 || !qEnvironmentVariableIsSet("VELMORA_TEST_MOUNTS"))
            QSKIP("a small file system takes a mount as root: this case runs in ctest -L mounts");
        TestFolder folder;
        const qint64 programSize = QFileInfo(QCoreApplication::applicationFilePath()).size();
        const QString size = QString::number(programSize + (512 << 10));
        QCOMPARE(QProcess::execute(QStringLiteral("mount"),
                                   { "-t", "tmpfs", "-o", "size=" + size, "tmpfs", folder.path() }),
                 0);
        const auto unmount = qScopeGuard([&] {
            QProcess::execute(QStringLiteral("umount"), { folder.path() });
        });
        const QByteArray program = copyOfTheProgram(folder);
        QVERIFY(!program.isEmpty());
        folder.write(letterFile, "old letter");

        const QList<AssetBundle::Asset> film { { AssetBundle::Keys::film, {}, 3000, QByteArray(1 << 20, 'f') } };
        const QString problem = ShowProgram(folder.path()).change(film).why();
        QVERIFY(!problem.isEmpty());
        QVERIFY2(!problem.contains('\n') && problem.contains(QStringLiteral("磁盘空间不够"))
                         && problem.contains(QStringLiteral("原来的程序没有动")),
                 qPrintable(problem));
        qInfo("a full disk: %s", qPrintable(problem));
        QCOMPARE(folder.read(QStringLiteral("velmora")), program);

        // The last bytes go to a file of no importance; a letter no longer fits.
        QFile filler(folder.file(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        while (filler.write(QByteArray(4096, 'z')) == 4096 && filler.flush()) { }
        filler.close();
        const auto saved = saveMessageFile(folder.file(letterFile), QString(20000, QChar(0x4FE1)));
        QVERIFY(!saved.ok());
        QVERIFY2(saved.why().contains(QStringLiteral("磁盘可能满了")), qPrintable(saved.why()));
        QCOMPARE(folder.read(letterFile), QByteArray("old letter"));
        QCOMPARE(filesIn(folder), QStringList({ "filler", letterFile, "velmora" }));
    }
};

QTEST_MAIN(ShowProgramTest)
#include "tst_showprogram.moc"
