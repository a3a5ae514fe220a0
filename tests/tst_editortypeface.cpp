// SPDX-License-Identifier: GPL-3.0-or-later
// The preparer's typeface on the editor's command line: a font file carried
// in the program or an installed family, drawn by the stage the show builds,
// and what is refused with nothing written.
#include "controls/label.h"
#include "editor/checkreport.h"
#include "editor/typefacecommands.h"
#include "runtime/assetsource.h"
#include "stage/stage.h"
#include "support/testfolder.h"

#include <QFontDatabase>
#include <QtTest>

namespace {
const QString ukai = QStringLiteral("/usr/share/fonts/truetype/arphic/ukai.ttc");
const QString serifCjk = QStringLiteral("/usr/share/fonts/opentype/noto/NotoSerifCJK-Regular.ttc");

bool putProgram(const TestFolder &folder)
{
    return QFile::copy(QCoreApplication::applicationFilePath(), folder.file(QStringLiteral("velmora")));
}

QString program(const TestFolder &folder)
{
    return folder.file(QStringLiteral("velmora"));
}

QByteArray bytesOf(const QString &path, qint64 count = -1)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? (count < 0 ? file.readAll() : file.read(count)) : QByteArray();
}
} // namespace

class EditorTypefaceTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!QFile::exists(ukai))
            QSKIP("the build machine's fonts (fonts-arphic-ukai) are not installed");
    }

    // Set, drawn by the stage the show builds from the program, listed by
    // --check, and taken back by "default".
    void aTypefaceGoesRoundThroughTheProgram_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("family");
        QTest::newRow("a file for the letter") << "letter" << ukai << "AR PL UKai CN";
        QTest::newRow("a file for the declaration") << "declaration" << ukai << "AR PL UKai CN";
        QTest::newRow("a family for the letter") << "letter" << "Noto Sans CJK SC" << "Noto Sans CJK SC";
    }

    void aTypefaceGoesRoundThroughTheProgram()
    {
        QFETCH(QString, text);
        QFETCH(QString, choice);
        QFETCH(QString, family);
        TestFolder folder;
        QVERIFY(putProgram(folder));
        const CheckReport set = setTypeface(text, choice, folder.path());
        QVERIFY2(set.exitCode == CheckReport::Clean, qPrintable(set.errors));

        QWidget window;
        const Stage stage = Stage::build(&window, AssetSource(CarriedAssets::of(program(folder)), true));
        const Label *chosen = text == QLatin1String("letter") ? stage.Label1 : stage.Label2;
        const Label *other = text == QLatin1String("letter") ? stage.Label2 : stage.Label1;
        QCOMPARE(chosen->font().families().value(0), family);
        QCOMPARE(chosen->font().pixelSize(), 14);
        QCOMPARE(other->font().families(), (text == QLatin1String("letter") ? Stage::declarationFont()
                                                                            : Stage::letterFont())
                                                   .families());
        QVERIFY2(checkFolder(folder.path()).output.contains(family), qPrintable(checkFolder(folder.path()).output));

        QCOMPARE(setTypeface(text, QStringLiteral("default"), folder.path()).exitCode, int(CheckReport::Clean));
        QVERIFY(!CarriedAssets::of(program(folder)).find(Typeface::key(text == QLatin1String("letter")
                                                                               ? Typeface::Text::Letter
                                                                               : Typeface::Text::Declaration)));
    }

    void aRefusedTypefaceWritesNothing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("file"); // written in the folder from `bytes`, unless absolute
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a text file") << "letter" << "letter.ttf" << QByteArray("not a font at all\n")
                                     << "is no TrueType or OpenType font";
        QTest::newRow("an empty file") << "letter" << "empty.otf" << QByteArray()
                                       << "is no TrueType or OpenType font";
        QTest::newRow("a font cut short") << "declaration" << "short.ttc" << bytesOf(ukai, 600)
                                          << "is a damaged font";
        QTest::newRow("a font's header alone")
                << "letter" << "header.ttf" << QByteArray("\x00\x01\x00\x00", 4) + QByteArray(60, '\0')
                << "is a damaged font";
        QTest::newRow("over 20 MB") << "letter" << "huge.ttf" << QByteArray("OTTO") + QByteArray(20 * 1024 * 1024, '\0')
                                    << "larger than 20 MB";
        if (QFile::exists(serifCjk))
            QTest::newRow("a real font over 20 MB") << "letter" << serifCjk << QByteArray() << "larger than 20 MB";
        QTest::newRow("no such family") << "letter" << "Velmora Nonexistent Sans" << QByteArray()
                                        << "neither a font file nor a family installed here";
        QTest::newRow("no such text") << "caption" << ukai << QByteArray() << "\"letter\" or \"declaration\"";
    }

    void aRefusedTypefaceWritesNothing()
    {
        QFETCH(QString, text);
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        TestFolder folder;
        QVERIFY(putProgram(folder));
        QCOMPARE(setTypeface(QStringLiteral("declaration"), ukai, folder.path()).exitCode,
                 int(CheckReport::Clean));
        const QByteArray before = folder.read(QStringLiteral("velmora"));
        QString choice = file;
        if (!bytes.isEmpty() || file.endsWith(QLatin1String(".otf"))) {
            folder.write(file, bytes);
            choice = folder.file(file);
        }
        const CheckReport report = setTypeface(text, choice, folder.path());
        QCOMPARE(report.exitCode, int(CheckReport::Unreadable));
        QVERIFY2(report.errors.contains(reason), qPrintable(report.errors));
        QCOMPARE(folder.read(QStringLiteral("velmora")), before);
    }
};

QTEST_MAIN(EditorTypefaceTest)
#include "tst_editortypeface.moc"
