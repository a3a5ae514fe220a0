// SPDX-License-Identifier: GPL-3.0-or-later
// The folder the one-show guard keeps its lock in when there is no runtime
// folder: the user's alone, or none and why.
#include "desktop/privatefolder.h"
#include "desktop/singleshow.h"
#include "support/unprivileged.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

// What is at the folder's name before the program looks, as the user
// "nobody" or this user left it.
enum class Before { Nothing, Ours, TakenByAnother, OpenToOthers, Link, File };
Q_DECLARE_METATYPE(Before)

class PrivateFolderTest : public QObject
{
    Q_OBJECT

private slots:
    void onlyTheUsersOwnFolderIsUsed_data()
    {
        QTest::addColumn<Before>("before");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("nothing: made") << Before::Nothing << QString();
        QTest::newRow("ours already") << Before::Ours << QString();
        QTest::newRow("made first by another user") << Before::TakenByAnother << "belongs to another user";
        QTest::newRow("ours, open to others") << Before::OpenToOthers << "is open to other users";
        QTest::newRow("a link to a folder of ours") << Before::Link << "is not a folder";
        QTest::newRow("a file") << Before::File << "is not a folder";
    }
    void onlyTheUsersOwnFolderIsUsed()
    {
        QFETCH(Before, before);
        QFETCH(QString, refusal);
        if (before == Before::TakenByAnother && geteuid() != 0)
            QSKIP("another user's folder is made as root");
        QTemporaryDir shared; // as the system's: anyone may make a name in it
        QCOMPARE(::chmod(QFile::encodeName(shared.path()).constData(), 01777), 0);
        const uint uid = ::getuid();
        const QString name = shared.filePath(QStringLiteral("velmora-%1").arg(uid));
        prepare(before, name, shared.path());

        const PrivateFolder folder = PrivateFolder::within(shared.path(), uid);
        if (refusal.isEmpty()) {
            QCOMPARE(folder.path, name);
            struct stat made {};
            QCOMPARE(::lstat(QFile::encodeName(name).constData(), &made), 0);
            QCOMPARE(made.st_mode & 0777, 0700u);
        } else {
            QVERIFY(folder.path.isEmpty());
            QVERIFY2(folder.problem.untranslated().contains(refusal),
                     qPrintable(folder.problem.untranslated()));
        }
    }

    // A guard without a folder of its own does not keep the program from
    // starting: it says why, in one line.
    void aGuardWithoutAFolderLetsTheProgramStart()
    {
        QTemporaryDir program;
        const PrivateFolder none { {}, Reason::plain(QStringLiteral("taken")) };
        SingleShow single(program.path(), QStringLiteral("velmora"), none);
        QCOMPARE(single.claimOrCallForward(), SingleShow::Start::Unguarded);
        QCOMPARE(single.unguarded().untranslated(), QStringLiteral("taken"));
    }

private:
    static void prepare(Before before, const QString &name, const QString &shared)
    {
        const QByteArray path = QFile::encodeName(name);
        switch (before) {
        case Before::Nothing:
            break;
        case Before::Ours:
            QVERIFY(::mkdir(path.constData(), 0700) == 0);
            break;
        case Before::TakenByAnother:
            // As "nobody" would, with the mode the program itself uses.
            QCOMPARE(runUnprivileged([&] { return ::mkdir(path.constData(), 0700) == 0 ? 0 : 1; }), 0);
            break;
        case Before::OpenToOthers:
            QVERIFY(::mkdir(path.constData(), 0700) == 0 && ::chmod(path.constData(), 0777) == 0);
            break;
        case Before::Link:
            QVERIFY(QDir(shared).mkdir(QStringLiteral("elsewhere")));
            QVERIFY(QFile::link(shared + QStringLiteral("/elsewhere"), name));
            break;
        case Before::File:
            QFile file(name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            break;
        }
    }
};

QTEST_GUILESS_MAIN(PrivateFolderTest)
#include "tst_privatefolder.moc"
