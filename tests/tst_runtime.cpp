// SPDX-License-Identifier: GPL-3.0-or-later
// The layer over the host: code page, numbered files, the program folder.
#include "runtime/assetsource.h"
#include "runtime/codepage.h"
#include "runtime/filetable.h"
#include "runtime/hostfiles.h"
#include "runtime/runtimeerror.h"
#include "support/testfolder.h"
#include "support/unprivileged.h"

#include <QtTest>

namespace {
// Chinese prose with the line breaks of a letter, common and rarer characters.
const QString chineseLetter = QStringLiteral("我们在最青春的时候相遇  那年的风很轻 阳光很暖 你笑得干净明亮\r\n"
                                             "\r\n我要清楚地告诉你 我喜欢你 真的很喜欢你\r\n");
} // namespace

class RuntimeTest : public QObject
{
    Q_OBJECT

    static int errorNumberOf(const std::function<void()> &operation)
    {
        try {
            operation();
        } catch (const RuntimeError &error) {
            return error.number;
        }
        return 0;
    }

private slots:
    void codePageRoundTrips()
    {
        for (const QString &text : { chineseLetter, QStringLiteral("abc €"), QString() })
            QCOMPARE(CodePage::fromAnsi(CodePage::toAnsi(text)), text);
        QCOMPARE(CodePage::toAnsi(QStringLiteral("我们")), QByteArray("\xCE\xD2\xC3\xC7"));
    }

    void invalidBytesStillDecode()
    {
        // A lead byte with a bad trail, and a lead byte cut off at the end.
        const QString text = CodePage::fromAnsi(QByteArray("A\x81\x20"
                                                           "B\xCE",
                                                           5));
        QVERIFY(text.startsWith(QLatin1Char('A')));
        QVERIFY(text.contains(QLatin1Char('B')));
        QVERIFY(text.size() >= 3);
        QVERIFY(text.contains(QChar::ReplacementCharacter) || text.size() > 3);
        QCOMPARE(CodePage::fromAnsi(QByteArray("\xCE", 1)).size(), 1);
    }

    void byteOrderMarksChooseTheEncoding()
    {
        const QString text = QStringLiteral("我喜欢你\r\n");
        QCOMPARE(CodePage::fromFileBytes("\xEF\xBB\xBF" + text.toUtf8()), text);
        QByteArray le("\xFF\xFE", 2), be("\xFE\xFF", 2);
        for (QChar c : text) {
            le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
            be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
        }
        QCOMPARE(CodePage::fromFileBytes(le), text);
        QCOMPARE(CodePage::fromFileBytes(be), text);
    }

    void marksAndBrokenTails_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("encoding");
        QTest::addColumn<QString>("text");
        using E = CodePage::FileEncoding;
        const QString love = QStringLiteral("我爱你\U0001F496");
        const QByteArray le32 = QByteArray("\xFF\xFE\0\0", 4), be32 = QByteArray("\0\0\xFE\xFF", 4);
        QByteArray utf32le = le32, utf32be = be32;
        for (char32_t c : love.toUcs4()) {
            for (int i = 0; i < 4; ++i)
                utf32le.append(char(c >> (8 * i)));
            for (int i = 3; i >= 0; --i)
                utf32be.append(char(c >> (8 * i)));
        }
        const QString fffd(QChar::ReplacementCharacter);
        QTest::newRow("utf-32 le") << utf32le << int(E::Utf32LEWithMark) << love;
        QTest::newRow("utf-32 be") << utf32be << int(E::Utf32BEWithMark) << love;
        QTest::newRow("utf-32 le mark alone") << le32 << int(E::Utf32LEWithMark) << QString();
        QTest::newRow("utf-32 be mark alone") << be32 << int(E::Utf32BEWithMark) << QString();
        QTest::newRow("utf-8 mark alone")
                << QByteArray("\xEF\xBB\xBF") << int(E::Utf8WithMark) << QString();
        QTest::newRow("utf-16 mark alone")
                << QByteArray("\xFF\xFE") << int(E::Utf16LEWithMark) << QString();
        // What can be read is kept; the broken tail is one replacement character.
        QTest::newRow("utf-16 le odd byte")
                << QByteArray("\xFF\xFE\x41", 3) << int(E::Utf16LEWithMark) << fffd;
        QTest::newRow("utf-16 le odd tail")
                << QByteArray("\xFF\xFE\x41\0\x42", 5) << int(E::Utf16LEWithMark)
                << QStringLiteral("A") + fffd;
        QTest::newRow("utf-16 be odd tail")
                << QByteArray("\xFE\xFF\0\x41\0", 5) << int(E::Utf16BEWithMark)
                << QStringLiteral("A") + fffd;
        QTest::newRow("utf-32 le short tail")
                << utf32le + QByteArray("\x41\0", 2) << int(E::Utf32LEWithMark) << love + fffd;
        QTest::newRow("utf-16 lone surrogate at the end")
                << QByteArray("\xFF\xFE\x3D\xD8", 4) << int(E::Utf16LEWithMark) << fffd;
        // Only the first mark is a mark: a second one is text.
        const QString marked = QChar(QChar::ByteOrderMark) + QStringLiteral("A");
        QTest::newRow("utf-8 second mark") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF"
                                                         "A")
                                           << int(E::Utf8WithMark) << marked;
        QTest::newRow("utf-16 second mark")
                << QByteArray("\xFF\xFE\xFF\xFE\x41\0", 6) << int(E::Utf16LEWithMark) << marked;
        QTest::newRow("utf-32 second mark")
                << le32 + le32 + QByteArray("\x41\0\0\0", 4) << int(E::Utf32LEWithMark) << marked;
    }

    void marksAndBrokenTails() { unmarkedFilesAreUtf8OrGbk(); }

    void unmarkedFilesAreUtf8OrGbk_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("encoding");
        QTest::addColumn<QString>("text");
        using E = CodePage::FileEncoding;
        const QString letter = QStringLiteral("我喜欢你\r\n");
        const QString emoji = QStringLiteral("爱你 \U0001F496!");
        QTest::newRow("utf-8 as editors save it") << letter.toUtf8() << int(E::Utf8) << letter;
        QTest::newRow("utf-8 beyond the 16-bit range") << emoji.toUtf8() << int(E::Utf8) << emoji;
        QTest::newRow("gbk") << CodePage::toAnsi(letter) << int(E::Gbk) << letter;
        QTest::newRow("a letter in gbk") << CodePage::toAnsi(chineseLetter) << int(E::Gbk)
                                         << chineseLetter;
        QTest::newRow("plain ascii")
                << QByteArray("ab\r\n") << int(E::Gbk) << QStringLiteral("ab\r\n");
        QTest::newRow("empty") << QByteArray() << int(E::Gbk) << QString();
        // One bad byte anywhere, or a character cut off at the end: GBK.
        const QByteArray utf8 = letter.toUtf8();
        QTest::newRow("utf-8 with a stray byte")
                << utf8 + "\xFF" << int(E::Gbk) << CodePage::fromAnsi(utf8 + "\xFF");
        QTest::newRow("utf-8 cut short")
                << utf8.left(5) << int(E::Gbk) << CodePage::fromAnsi(utf8.left(5));
        QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80") << int(E::Gbk)
                                           << CodePage::fromAnsi(QByteArray("\xED\xA0\x80"));
        QTest::newRow("marked utf-8") << "\xEF\xBB\xBF" + utf8 << int(E::Utf8WithMark) << letter;

        // GBK whose bytes happen to be valid UTF-8: read as UTF-8 they would be
        // Cyrillic or Latin-1 letters, as GBK they are common Chinese.
        const QString thanks = QStringLiteral("谢谢");
        QTest::newRow("gbk thanks, valid utf-8")
                << QByteArray("\xD0\xBB\xD0\xBB") << int(E::Gbk) << thanks;
        for (const QString &gbk : { QStringLiteral("谢谢\r\n"), QStringLiteral("I 谢谢!"),
                                    QStringLiteral("茅台"), QStringLiteral("学习") }) {
            QVERIFY(!CodePage::toAnsi(gbk).isEmpty());
            QTest::newRow(
                    qPrintable(QString(gbk).replace(QLatin1String("\r\n"), QLatin1String("CRLF"))
                               + QStringLiteral(" in gbk")))
                    << CodePage::toAnsi(gbk) << int(E::Gbk) << gbk;
        }
        // Letters that are foreign to Chinese text but spelled in a Latin word,
        // or whose GBK reading holds rare characters, stay UTF-8.
        for (const QString &utf : { QStringLiteral("café"), QStringLiteral("über"),
                                    QStringLiteral("Привет"), QStringLiteral("你好 café") }) {
            QTest::newRow(qPrintable(utf + QStringLiteral(" in utf-8")))
                    << utf.toUtf8() << int(E::Utf8) << utf;
        }
    }

    void unmarkedFilesAreUtf8OrGbk()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, encoding);
        QFETCH(QString, text);
        QCOMPARE(int(CodePage::detectFileEncoding(bytes)), encoding);
        QCOMPARE(CodePage::fromFileBytes(bytes), text);
    }

    void numberedFiles()
    {
        TestFolder folder(QStringLiteral("文件 夹"));
        const QString path = folder.file(QStringLiteral("信 件.ini"));
        FileTable files;
        files.openForOutput(path, 1);
        QCOMPARE(errorNumberOf([&] { files.openForOutput(path, 1); }),
                 ErrorNumber::FileAlreadyOpen);
        files.printLine(1, QStringLiteral("你好"));
        files.closeFile(1);
        QCOMPARE(folder.read(QStringLiteral("信 件.ini")), QByteArray("\xC4\xE3\xBA\xC3\r\n"));

        // Binary opening never shortens; output opening empties.
        files.openForBinary(path, 1);
        QCOMPARE(files.fileLength(1), 6);
        QString text(6, QLatin1Char(' '));
        files.readText(1, text);
        QCOMPARE(text, QStringLiteral("你好\r\n"));
        files.closeFile(1);
        QCOMPARE(folder.read(QStringLiteral("信 件.ini")).size(), 6);
        files.openForOutput(path, 3);
        QCOMPARE(files.fileLength(3), 0);
        files.closeFile(3);

        // A missing file is created empty.
        files.openForBinary(folder.file(QStringLiteral("new.ini")), 1);
        QCOMPARE(files.fileLength(1), 0);
        files.closeAll();
        QVERIFY(folder.exists(QStringLiteral("new.ini")));
        QCOMPARE(errorNumberOf([&] { files.printLine(1, QStringLiteral("x")); }),
                 ErrorNumber::BadFileNameOrNumber);
    }

    void foldersAndMissingFiles()
    {
        TestFolder folder;
        folder.mkdir(QStringLiteral("orlessa.ini"));
        QVERIFY(fileExists(folder.file(QStringLiteral("orlessa.ini"))));
        QVERIFY(!fileExists(folder.file(QStringLiteral("xuanyan.ini"))));

        FileTable files;
        QCOMPARE(errorNumberOf([&] {
                     files.openForBinary(folder.file(QStringLiteral("orlessa.ini")), 1);
                 }),
                 ErrorNumber::PathFileAccessError);
        QVERIFY(!files.isOpen(1));
        QCOMPARE(errorNumberOf([&] {
                     files.openForOutput(folder.file(QStringLiteral("no/such.ini")), 1);
                 }),
                 ErrorNumber::PathNotFound);
        QCOMPARE(errorNumberOf([&] { deleteFile(folder.file(QStringLiteral("gone.mp3"))); }),
                 ErrorNumber::FileNotFound);
        QCOMPARE(errorNumberOf([&] { deleteFile(folder.file(QStringLiteral("orlessa.ini"))); }),
                 ErrorNumber::FileNotFound);
    }

    void aDeletionRefusedForLackOfPermission()
    {
        TestFolder folder;
        folder.write(QStringLiteral("Orlessa.mp3"), "music");
        folder.letOthersLookIn();
        const QString path = folder.file(QStringLiteral("Orlessa.mp3"));
        QCOMPARE(runUnprivileged([&] { return errorNumberOf([&] { deleteFile(path); }); }), 70);
        QVERIFY(folder.exists(QStringLiteral("Orlessa.mp3")));
    }

    void readOnlyFiles()
    {
        TestFolder folder;
        folder.write(QStringLiteral("orlessa.ini"), "\xC4\xE3");
        MAKE_READ_ONLY(folder, QStringLiteral("orlessa.ini"));
        FileTable files;
        // Still readable in binary mode; not writable for output.
        files.openForBinary(folder.file(QStringLiteral("orlessa.ini")), 1);
        QString text(2, QLatin1Char(' '));
        files.readText(1, text);
        QCOMPARE(text, QStringLiteral("你"));
        files.closeFile(1);
        QCOMPARE(errorNumberOf([&] {
                     files.openForOutput(folder.file(QStringLiteral("orlessa.ini")), 2);
                 }),
                 ErrorNumber::PathFileAccessError);
        QCOMPARE(folder.read(QStringLiteral("orlessa.ini")), QByteArray("\xC4\xE3"));
    }

    void programFolderAtTheRoot()
    {
        QCOMPARE(programPath(QStringLiteral("/"), QStringLiteral("tmp")), QStringLiteral("//tmp"));
        QVERIFY(fileExists(programPath(QStringLiteral("/"), QStringLiteral("tmp"))));
    }

    void resources()
    {
        QVERIFY(AssetSource().resourceBytes(101, QStringLiteral("CUSTOM")).size() > 10000);
        QVERIFY(AssetSource().resourceBytes(102, QStringLiteral("CUSTOM")).startsWith("RIFF"));
        QCOMPARE(errorNumberOf([] { AssetSource().resourceBytes(103, QStringLiteral("CUSTOM")); }),
                 ErrorNumber::ResourceNotFound);
        QCOMPARE(errorNumberOf([] { AssetSource().resourceBytes(101, QStringLiteral("OTHER")); }),
                 ErrorNumber::ResourceNotFound);
        // The media are lent from the program image, byte for byte as stored.
        const QByteArray music = AssetSource().resourceBytes(101, QStringLiteral("CUSTOM"));
        QCOMPARE(music.constData(), AssetSource().resourceBytes(101, QStringLiteral("CUSTOM")).constData());
        QFile stored(QStringLiteral(":/CUSTOM/101"));
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QCOMPARE(music, stored.readAll());
    }

    void errorMessages()
    {
        const RuntimeError error
                = runtimeError(ErrorNumber::PathFileAccessError, QStringLiteral("/a/b"));
        QCOMPARE(error.message(),
                 QStringLiteral("运行时错误 '75':\r\n\r\n路径/文件访问错误\r\n/a/b"));
    }
};

QTEST_GUILESS_MAIN(RuntimeTest)
#include "tst_runtime.moc"
