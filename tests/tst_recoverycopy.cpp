// SPDX-License-Identifier: GPL-3.0-or-later
// What the window holds unsaved is kept aside in the user's state folder,
// offered again after a kill, and gone once saved or turned down.
#include "editor/editorwindow.h"
#include "editor/recoverycopy.h"
#include "editor/wordspanel.h"
#include "support/editorfixture.h"

#include <QPlainTextEdit>
#include <QtTest>

class RecoveryCopyTest : public QObject
{
    Q_OBJECT

    EditorFixture m_editor;

private slots:
    void initTestCase() { m_editor.setUp(); }

    void unsavedTextsAreKeptAsideUntilSaved_data()
    {
        QTest::addColumn<bool>("restore");
        QTest::newRow("restored") << true;
        QTest::newRow("discarded") << false;
    }

    void unsavedTextsAreKeptAsideUntilSaved()
    {
        QFETCH(bool, restore);
        TestFolder folder;
        QTemporaryDir state;
        folder.write(letterFile, "saved");
        QString copyPath;
        {
            EditorWindow killed(folder.path(), state.path());
            QVERIFY(!killed.offerRecovery());
            QTest::keyClicks(killed.letterEdit(), QStringLiteral(" and typed"));
            QTest::keyClicks(killed.declarationEdit(), QStringLiteral("!"));
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(killed.recoveryCopyPath()),
                                     EditorWindow::recoveryIntervalMs * 3);
            copyPath = killed.recoveryCopyPath();
            // Ended without closing, as a killed editor ends.
        }
        QVERIFY(copyPath.startsWith(state.path()));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList { letterFile });

        EditorWindow next(folder.path(), state.path());
        int asked = 0;
        next.askAboutRecovery = [&](const QDateTime &written) {
            ++asked;
            return written.secsTo(QDateTime::currentDateTime()) < 60 && restore;
        };
        QCOMPARE(next.offerRecovery(), restore);
        QCOMPARE(asked, 1);
        QCOMPARE(next.letterText(), restore ? QStringLiteral("saved and typed") : QStringLiteral("saved"));
        QCOMPARE(next.declarationText(), restore ? '!' + defaultDeclaration() : defaultDeclaration());
        QCOMPARE(next.hasUnsavedChanges(), restore);
        QCOMPARE(QFileInfo::exists(copyPath), restore);
        QCOMPARE(folder.read(letterFile), QByteArray("saved"));
        if (restore) {
            QVERIFY(next.save());
            QVERIFY(!QFileInfo::exists(copyPath));
            QCOMPARE(folder.read(letterFile), QByteArray("saved and typed"));
        }
        // Nothing left to offer.
        EditorWindow third(folder.path(), state.path());
        third.askAboutRecovery = [&](const QDateTime &) { return ++asked, true; };
        QVERIFY(!third.offerRecovery());
        QCOMPARE(asked, 1);
    }

    void unsavedWordsAreKeptAsideToo()
    {
        TestFolder folder;
        QTemporaryDir state;
        QVERIFY(!copyOfTheProgram(folder).isEmpty());
        const QString refused = QStringLiteral("file:///etc/passwd");
        {
            EditorWindow killed(folder.path(), state.path());
            QVERIFY(!killed.offerRecovery());
            killed.wordsPanel()->setValue(QStringLiteral("caption"), QStringLiteral("Walk with me"));
            killed.wordsPanel()->setValue(QStringLiteral("address"), refused);
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(killed.recoveryCopyPath()),
                                     EditorWindow::recoveryIntervalMs * 3);
        }
        EditorWindow next(folder.path(), state.path());
        next.askAboutRecovery = [](const QDateTime &) { return true; };
        QVERIFY(next.offerRecovery());
        QCOMPARE(next.wordsPanel()->value(QStringLiteral("caption")), QStringLiteral("Walk with me"));
        // Even what the show would refuse comes back, to be mended rather than retyped.
        QCOMPARE(next.wordsPanel()->value(QStringLiteral("address")), refused);
        QCOMPARE(next.letterText(), defaultLetter());
        QVERIFY(next.hasUnsavedChanges());
    }

    void anEarlierEditorsCopyIsStillRead()
    {
        TestFolder folder;
        QTemporaryDir state;
        const RecoveryCopy copy(folder.path(), state.path());
        QDir().mkpath(state.path());
        QFile file(copy.path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QDataStream out(&file);
        out.setVersion(QDataStream::Qt_6_4);
        out.writeRawData("VELMORA-RECOVERY", 16);
        out << quint32(1) << QFileInfo(folder.path()).canonicalFilePath() << QDateTime::currentDateTimeUtc()
            << QStringLiteral("kept") << QStringLiteral("aside");
        file.close();
        const auto read = copy.read();
        QVERIFY(read);
        QCOMPARE(read->letter, QStringLiteral("kept"));
        QCOMPARE(read->declaration, QStringLiteral("aside"));
        QVERIFY(read->words.isEmpty());
    }
};

QTEST_MAIN(RecoveryCopyTest)
#include "tst_recoverycopy.moc"
