// SPDX-License-Identifier: GPL-3.0-or-later
// The letter and the declaration as files: read in each encoding the show
// reads, saved so that the show's own reader gets back what the stage shows.
#include "editor/messagefile.h"
#include "runtime/codepage.h"
#include "stage/defaulttexts.h"
#include "support/editorfixture.h"

#include <QtTest>

class MessageFileTest : public QObject
{
    Q_OBJECT

    EditorFixture m_editor;

private slots:
    void initTestCase() { m_editor.setUp(); }

    void readsEachEncodingTheShowReads()
    {
        TestFolder folder;
        const QString text = QStringLiteral("我喜欢你\r\n");
        QByteArray le("\xFF\xFE", 2), be("\xFE\xFF", 2);
        for (QChar c : text) {
            le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
            be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
        }
        const struct
        {
            QByteArray bytes;
            CodePage::FileEncoding encoding;
        } cases[] = {
            { CodePage::toAnsi(text), CodePage::FileEncoding::Gbk },
            { "\xEF\xBB\xBF" + text.toUtf8(), CodePage::FileEncoding::Utf8WithMark },
            { le, CodePage::FileEncoding::Utf16LEWithMark },
            { be, CodePage::FileEncoding::Utf16BEWithMark },
        };
        for (const auto &c : cases) {
            folder.write(letterFile, c.bytes);
            const MessageFile file
                    = MessageFile::read(folder.file(letterFile), QStringLiteral("x"));
            QCOMPARE(file.state, MessageFile::State::Read);
            QCOMPARE(file.encoding, c.encoding);
            QCOMPARE(file.text, text);
            QCOMPARE(file.byteCount, c.bytes.size());
        }
        const MessageFile missing
                = MessageFile::read(folder.file(declarationFile), DefaultTexts::declaration());
        QCOMPARE(missing.state, MessageFile::State::Missing);
        QCOMPARE(missing.text, defaultDeclaration());
        folder.mkdir(QStringLiteral("folder.ini"));
        QCOMPARE(MessageFile::read(folder.file(QStringLiteral("folder.ini")), {}).state,
                 MessageFile::State::Unreadable);
    }

    void savedFilesComeBackThroughTheShowsReader()
    {
        TestFolder folder;
        const QString chinese = QStringLiteral("我喜欢你\r\n\r\n真的\r\n");
        auto saved = saveMessageFile(folder.file(letterFile), chinese);
        QVERIFY(saved.ok());
        QCOMPARE(saved->encoding, SavedEncoding::Gbk);
        QCOMPARE(folder.read(letterFile), CodePage::toAnsi(chinese));
        QCOMPARE(readByTheShow(folder, letterFile), chinese);

        const QString emoji = QStringLiteral("我喜欢你\U0001F496\r\n");
        saved = saveMessageFile(folder.file(letterFile), emoji);
        QVERIFY(saved.ok());
        QCOMPARE(saved->encoding, SavedEncoding::Utf8WithMark);
        QCOMPARE(folder.read(letterFile), "\xEF\xBB\xBF" + emoji.toUtf8());
        QCOMPARE(readByTheShow(folder, letterFile), emoji);

        // GBK bytes that open like a UTF-8 mark would be misread: UTF-8 it is.
        const QString lookalike = CodePage::fromAnsi("\xEF\xBB\xBF\xA1");
        QCOMPARE(CodePage::toAnsi(lookalike), QByteArray("\xEF\xBB\xBF\xA1"));
        QCOMPARE(encodeMessageText(lookalike).encoding, SavedEncoding::Utf8WithMark);
        QVERIFY(saveMessageFile(folder.file(letterFile), lookalike).ok());
        QCOMPARE(readByTheShow(folder, letterFile), lookalike);
    }

    void savingKeepsEveryCharacterTheStageShows_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("readBack");
        QTest::addColumn<int>("leftOut");
        const QChar mark(QChar::ByteOrderMark);
        const QString thanks = QStringLiteral("谢谢");
        QTest::newRow("gbk that is valid utf-8") << thanks << thanks << 0;
        QTest::newRow("gbk that reads as a latin word in utf-8")
                << QStringLiteral("茅a") << QStringLiteral("茅a") << 0;
        QTest::newRow("cyrillic") << QStringLiteral("лл") << QStringLiteral("лл") << 0;
        QTest::newRow("a mark as the first character")
                << mark + QStringLiteral("爱") << mark + QStringLiteral("爱") << 0;
        QTest::newRow("nul and emoji")
                << QStringLiteral("a\0b\U0001F496") << QStringLiteral("a\0b\U0001F496") << 0;
        QTest::newRow("lone surrogates")
                << QStringLiteral("我") + QChar(0xD800) + QStringLiteral("爱") + QChar(0xDC00)
                << QStringLiteral("我爱") << 2;
        QTest::newRow("a pair cut in two by a line break")
                << QStringLiteral("\U0001F496").left(1) + QStringLiteral("\r\n")
                << QStringLiteral("\r\n") << 1;
    }

    void savingKeepsEveryCharacterTheStageShows()
    {
        QFETCH(QString, text);
        QFETCH(QString, readBack);
        QFETCH(int, leftOut);
        TestFolder folder;
        const auto saved = saveMessageFile(folder.file(letterFile), text);
        QVERIFY(saved.ok());
        QCOMPARE(saved->leftOut, leftOut);
        QCOMPARE(readByTheShow(folder, letterFile), readBack);
        QCOMPARE(MessageFile::read(folder.file(letterFile), {}).text, readBack);
    }
};

QTEST_MAIN(MessageFileTest)
#include "tst_messagefile.moc"
