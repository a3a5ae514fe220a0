// SPDX-License-Identifier: GPL-3.0-or-later
// The typewriters, the walk and the question, driven tick by tick.
#include "show/form1.h"
#include "show/matchmaker.h"
#include "show/question.h"
#include "stage/words.h"
#include "stage/approach.h"
#include "support/showfixture.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QtTest>

Q_DECLARE_METATYPE(ShowPace)

class ShowTest : public QObject
{
    Q_OBJECT

private slots:
    // The flows compare with these names; here they are held to the letter.
    void theBoxesSayWhatTheShowSays_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const QString &text, const char *expected) {
            QTest::newRow(name) << text << QString::fromUtf8(expected);
        };
        row("question", Words().questionPrompt, "愿意走这一步吗?");
        row("question title", Words().questionTitle, "询问");
        row("matchmaker", Words().matchmakerPrompt,
            "我们开始约会吧!\r\n\r\n需要去感谢我们的红娘吗??");
        row("matchmaker title", Words().matchmakerTitle, "兴奋");
        row("vow caption", Words().filmCaption, "我一定要追到你!!!");
        row("plea", Words().pleaPrompt, "能给我一次机会吗?");
        row("plea title", Words().pleaTitle, "询问");
        row("plea matchmaker", Words().pleaMatchmakerPrompt,
            "我们开始约会吧!\r\n\r\n需要去感谢我们的红娘??");
        row("plea matchmaker title", Words().pleaMatchmakerTitle, "兴奋");
        row("vow box", Words().vowPrompt, "我一定要追到你\r\n\r\n百分之一千万要追到你");
        row("vow box title", Words().vowTitle, "奋斗");
    }

    void theBoxesSayWhatTheShowSays()
    {
        QFETCH(QString, text);
        QTEST(text, "expected");
    }

    // The typewriters tick at the preparer's pace; the walk keeps its own.
    void theTimersKeepThePreparersPace_data()
    {
        QTest::addColumn<ShowPace>("pace");
        QTest::addColumn<int>("letterMs");
        QTest::addColumn<int>("declarationMs");
        QTest::newRow("the default") << ShowPace() << 388 << 500;
        QTest::newRow("chosen") << ShowPace { 200, 1200, false } << 200 << 1200;
        // 500 characters and a declaration of 64 before a song of 161 s
        QTest::newRow("fitted") << ShowPace { 388, 500, true } << 246 << 500;
    }

    void theTimersKeepThePreparersPace()
    {
        QFETCH(ShowPace, pace);
        QFETCH(int, letterMs);
        QFETCH(int, declarationMs);
        ShowFixture show;
        show.folder.write(QStringLiteral("orlessa.ini"), QByteArray(500, 'a'));
        show.folder.write(QStringLiteral("xuanyan.ini"), QByteArray(64, 'b'));
        show.form.setPace(pace, 161000);
        show.load();
        QCOMPARE(show.form.Timer1->interval(), letterMs);
        QCOMPARE(show.form.Timer3->interval(), declarationMs);
        QCOMPARE(show.form.Timer4->interval(), 100);
        QCOMPARE(show.form.Label3->Caption().size(), 500);
    }

    void anEmptyLetterCompletesOnTheFirstTick()
    {
        ShowFixture show("", "abc");
        show.letterTicks(1);
        QVERIFY(!show.form.Timer1->Enabled());
        QVERIFY(show.form.Timer3->Enabled() && show.form.Timer4->Enabled());
        QCOMPARE(show.form.LetterRevealPos, 0);
        QCOMPARE(show.form.Label1->Caption(), QString());
        QCOMPARE(show.form.Label3->Caption(), QStringLiteral("abc"));
        QCOMPARE(show.form.Text1->Text(), QString());
    }

    void nCharactersCompleteOnTickNPlusOne()
    {
        ShowFixture show("ab\r\nc", "decl");
        show.letterTicks(3);
        // Between the two ticks of CR LF the text ends in a lone CR.
        QCOMPARE(show.form.Label1->Caption(), QStringLiteral("ab\r"));
        QCOMPARE(show.form.Text1->SelStart(), 3);
        show.letterTicks(2);
        QCOMPARE(show.form.Label1->Caption(), QStringLiteral("ab\r\nc"));
        QCOMPARE(show.form.Label1->lines(), QStringList({ "ab", "c" }));
        QVERIFY(show.form.Timer1->Enabled());
        QVERIFY(!show.form.Timer3->Enabled());
        show.letterTicks(1);
        QVERIFY(!show.form.Timer1->Enabled());
        QVERIFY(show.form.Timer3->Enabled());
        // The letter stays on the stage while the declaration is typed.
        QCOMPARE(show.form.Label1->Caption(), QStringLiteral("ab\r\nc"));
        QCOMPARE(show.form.Label3->Caption(), QStringLiteral("decl"));
    }

    void oneCharacter()
    {
        ShowFixture show("\xCE\xD2", "decl");
        show.letterTicks(1);
        QCOMPARE(show.form.Label1->Caption(), QStringLiteral("我"));
        QVERIFY(show.form.Timer1->Enabled());
        show.letterTicks(1);
        QVERIFY(!show.form.Timer1->Enabled());
    }

    void theSourceIsReadAfreshOnEveryTick()
    {
        ShowFixture show("abcdef", "decl");
        show.letterTicks(2);
        show.form.Label3->setCaption(QStringLiteral("xyz"));
        show.letterTicks(1);
        QCOMPARE(show.form.Label1->Caption(), QStringLiteral("abz"));
        show.letterTicks(1);
        QVERIFY(!show.form.Timer1->Enabled());
    }

    void whatTheUserTypesJoinsTheText()
    {
        ShowFixture show("abc", "decl");
        show.letterTicks(1);
        QKeyEvent key(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QCoreApplication::sendEvent(show.form.Text1, &key);
        show.letterTicks(1);
        QCOMPARE(show.form.Label1->Caption(), QStringLiteral("axb"));
        QCOMPARE(show.form.Text1->SelStart(), 2);
    }

    void aUtf8LetterIsTypedWholeCharacterByWholeCharacter()
    {
        // As Linux editors save it: UTF-8 without a mark, with an emoji.
        const QString letter = QStringLiteral("爱\U0001F496你");
        ShowFixture show(letter.toUtf8(), "decl");
        QCOMPARE(show.form.Label3->Caption(), letter);
        // Each 16-bit unit costs a tick; the half-typed emoji is not drawn.
        show.letterTicks(2);
        QCOMPARE(show.form.Label1->Caption(), letter.left(2));
        QCOMPARE(show.form.Label1->lines(), QStringList({ "爱" }));
        show.letterTicks(1);
        QCOMPARE(show.form.Label1->lines(), QStringList({ "爱\U0001F496" }));
        show.letterTicks(1);
        QCOMPARE(show.form.Label1->lines(), QStringList({ letter }));
        QVERIFY(show.form.Timer1->Enabled());
        show.letterTicks(1);
        QVERIFY(!show.form.Timer1->Enabled());
    }

    void wordsFromAnInputMethodJoinTheText()
    {
        ShowFixture show("abc", "decl");
        show.letterTicks(1);
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("我爱你"));
        QCoreApplication::sendEvent(show.form.Text1, &commit);
        show.letterTicks(1);
        QCOMPARE(show.form.Label1->Caption(), QStringLiteral("a我爱你b"));
    }

    void labelsSizeToTheirTextHoweverItGrows()
    {
        QWidget stage;
        Label typed(&stage, 0, 0), whole(&stage, 0, 0);
        const QString text = QStringLiteral("我们\r\n\r\n在最青春的时候相遇  ab\r\nc");
        for (int n = 1; n <= text.size(); ++n)
            typed.setCaption(text.left(n));
        whole.setCaption(text);
        QCOMPARE(typed.size(), whole.size());
        QCOMPARE(typed.lines(), QStringList({ "我们", "", "在最青春的时候相遇  ab", "c" }));
        // Replaced by something shorter, it shrinks again.
        typed.setCaption(QStringLiteral("x"));
        whole.setCaption(QStringLiteral("x"));
        QCOMPARE(typed.size(), whole.size());
        QVERIFY(typed.width() < 20);
    }

    void aTickRepaintsOnlyTheLineItChanged()
    {
        // Records what each paint of the label was asked to cover.
        class WatchedLabel : public Label
        {
        public:
            using Label::Label;
            QList<QRect> painted;

        protected:
            void paintEvent(QPaintEvent *event) override
            {
                painted << event->rect();
                Label::paintEvent(event);
            }
        };
        QWidget stage;
        stage.resize(400, 300);
        WatchedLabel letter(&stage, 150, 150);
        letter.setTextFont(letter.font(), 14);
        const QString text = QStringLiteral("我们在最青春的时候相遇\r\n在\r\n最\r\n在最美的年华");
        letter.setCaption(text.left(text.size() - 3));
        stage.show();
        QVERIFY(QTest::qWaitForWindowExposed(&stage));
        QTRY_VERIFY(!letter.painted.isEmpty());

        // The last line whole, with the line above it that its glyphs may reach into.
        letter.painted.clear();
        letter.setCaption(text.left(text.size() - 2));
        QTRY_VERIFY(!letter.painted.isEmpty());
        QCOMPARE(letter.painted.first(), QRect(0, 2 * 14, letter.width(), 2 * 14));

        // Far past the right edge, a line grows unseen and nothing is repainted.
        const QString beyond = QString(200, QLatin1Char('a'));
        letter.setCaption(beyond);
        QCoreApplication::processEvents();
        letter.painted.clear();
        letter.setCaption(beyond + QLatin1Char('b'));
        QCoreApplication::processEvents();
        QVERIFY(letter.painted.isEmpty());
        // Measured by what was added: the pieces' advances may round apart from the whole.
        QVERIFY(qAbs(letter.width() - letter.fontMetrics().horizontalAdvance(beyond + 'b')) <= 1);

        // A centred label moves its lines as they grow: all of it is repainted.
        letter.setCentred(true);
        QCoreApplication::processEvents();
        letter.painted.clear();
        letter.setCaption(text.left(text.size() - 1));
        QTRY_VERIFY(!letter.painted.isEmpty());
        QCOMPARE(letter.painted.first(), letter.rect());
    }

    void aLabelOutOfSightIsMeasuredWhenAsked()
    {
        QWidget stage;
        stage.resize(100, 100);
        Label source(&stage, 1500, 0), seen(&stage, 0, 0);
        const QString text = QStringLiteral("我们\r\n在最青春的时候相遇");
        source.setCaption(text);
        seen.setCaption(text);
        QCOMPARE(source.Caption(), text);
        QCOMPARE(source.Width(), seen.Width());
        QCOMPARE(source.Height(), seen.Height());
        QCOMPARE(source.size(), seen.size());

        Label moved(&stage, 1500, 0);
        moved.setCaption(text);
        moved.setLeft(15);
        QCOMPARE(moved.size(), seen.size());
    }

    void theDeclarationIsReadWhenTheLetterIsDone()
    {
        ShowFixture show("a", "first");
        show.folder.write("xuanyan.ini", "edited");
        show.letterTicks(2);
        QCOMPARE(show.form.Label3->Caption(), QStringLiteral("edited"));
        QCOMPARE(show.form.LoadedText, QStringLiteral("edited"));
    }

    void aDeclarationRemovedMeanwhileIsEmpty()
    {
        ShowFixture show("a", "decl");
        QFile::remove(show.folder.file("xuanyan.ini"));
        show.letterTicks(2);
        QVERIFY(show.folder.exists("xuanyan.ini"));
        QCOMPARE(show.folder.read("xuanyan.ini"), QByteArray());
        QCOMPARE(show.form.Label3->Caption(), QString());
        show.declarationTicks(1);
        QVERIFY(!show.form.Timer3->Enabled());
        QCOMPARE(show.host.boxes.size(), 1);
        QCOMPARE(show.form.Label2->Caption(), QString());
        QVERIFY(!show.form.Picture2->isHidden() && !show.form.Picture3->isHidden());
    }

    void theDeclarationShowsTheFigures()
    {
        ShowFixture show("", "hi");
        show.letterTicks(1);
        QVERIFY(show.form.Picture2->isHidden());
        show.declarationTicks(2);
        QVERIFY(!show.form.Picture2->isHidden() && !show.form.Picture3->isHidden());
        QCOMPARE(show.form.Label2->Caption(), QStringLiteral("hi"));
        QVERIFY(show.host.boxes.isEmpty());
    }

    void aLongLetterIsTypedToItsEnd()
    {
        const int length = 40000;
        ShowFixture show(QByteArray(length, 'a'), "decl");
        show.letterTicks(length);
        QCOMPARE(show.form.Label1->Caption().size(), length);
        QVERIFY(show.form.Timer1->Enabled());
        show.letterTicks(1);
        QVERIFY(show.host.errors.isEmpty());
        QVERIFY(!show.form.Timer1->Enabled());
        QVERIFY(show.form.Timer3->Enabled());
    }

    void theWalkOnTheInitialLayout()
    {
        ShowFixture show("", "decl");
        show.letterTicks(1);
        QCOMPARE(show.walkTicksUntilStop(), 258);
        QCOMPARE(show.form.Picture2->Left(), 8118.0f);
        QCOMPARE(show.form.Picture3->Left()
                         - (show.form.Picture2->Left() + show.form.Picture2->Width()),
                 877.0f);
        QCOMPARE(show.form.Label4->Caption(),
                 QStringLiteral("你愿意\r\n\r\n向我\r\n\r\n走最后\r\n\r\n一步吗?"));
        QCOMPARE(show.form.Label4->lines().size(), 7);
        // Seven lines of 180 twips, from 6000 to 7260 on the stage.
        QCOMPARE(show.form.Label4->Height(), 7 * 180.0f);
        QVERIFY(show.form.Label4->y() + show.form.Label4->height() <= 486 + 6);
    }

    void theWalkStopsOnOrJustPastTheLine()
    {
        ShowFixture show("", "decl");
        show.form.Picture2->setLeft(9000); // already past the stop line
        QCOMPARE(show.walkTicksUntilStop(), 1);
        QCOMPARE(show.form.Picture2->Left(), 9031.0f);

        show.form.Picture2->setLeft(8095 - 31); // the step lands on the line
        show.form.Timer4->setEnabled(true);
        QCOMPARE(show.walkTicksUntilStop(), 1);
        QCOMPARE(show.form.Picture2->Left(), 8095.0f);

        show.form.Picture2->setLeft(8095 - 32);
        show.form.Timer4->setEnabled(true);
        QCOMPARE(show.walkTicksUntilStop(), 2);
    }

    void walkingArithmeticOverflows()
    {
        QVERIFY_THROWS_EXCEPTION(RuntimeError, Approach::stopLine(3.4e38f, -3.4e38f));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, Approach::stepForward(qQNaN()));
        QCOMPARE(Approach::stopLine(10450, 1455), 8095.0f);
        QCOMPARE(Question::meetingLeft(1455, 8118), 9553.0f);
        QCOMPARE(Question::meetingLeft(1500, 3000), 4480.0f);
        QVERIFY_THROWS_EXCEPTION(RuntimeError, Question::meetingLeft(3.4e38f, 3.4e38f));
    }

    // The preparer's words in every place the show speaks on the Yes road;
    // an address that is no web page is never opened.
    void theChosenWordsAreSaid_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("opened");
        QTest::newRow("a web page") << "https://example.org/thanks" << true;
        QTest::newRow("a file") << "file:///etc/passwd" << false;
        QTest::newRow("a command") << "xdg-open; rm -rf ~" << false;
    }
    void theChosenWordsAreSaid()
    {
        QFETCH(QString, address);
        QFETCH(bool, opened);
        Words words;
        words.caption = QStringLiteral("Will you?");
        words.question = QStringLiteral("Will you\r\n\r\ncome? 💖");
        words.questionPrompt = QStringLiteral("Shall we?");
        words.questionTitle = QStringLiteral("Asking");
        words.matchmakerPrompt = QString();
        words.matchmakerTitle = QStringLiteral("שלום");
        words.address = address;
        ShowFixture show("", "d", words);
        show.host.answers = { BoxAnswer::Yes, BoxAnswer::Yes };
        QCOMPARE(show.form.Caption(), words.caption);
        show.letterTicks(1);
        show.walkTicksUntilStop();
        QCOMPARE(show.form.Label4->Caption(), words.question);
        show.declarationTicks(2);
        QCOMPARE(show.host.boxes.size(), 2);
        QCOMPARE(show.host.boxes[0].prompt, words.questionPrompt);
        QCOMPARE(show.host.boxes[0].title, words.questionTitle);
        QCOMPARE(show.host.boxes[1].prompt, QString());
        QCOMPARE(show.host.boxes[1].title, words.matchmakerTitle);
        QCOMPARE(show.host.openedAddresses, opened ? QStringList { address } : QStringList());
        QVERIFY(show.host.ended);
    }

    void yesThenYes()
    {
        ShowFixture show("", "d");
        show.host.answers = { BoxAnswer::Yes, BoxAnswer::Yes };
        show.letterTicks(1);
        show.walkTicksUntilStop();
        show.host.onBox = [&](const FakeHost::Box &) { QVERIFY(!show.form.Timer3->Enabled()); };
        show.declarationTicks(2);

        QCOMPARE(show.host.boxes.size(), 2);
        QCOMPARE(show.host.boxes[0].prompt, Words().questionPrompt);
        QCOMPARE(show.host.boxes[0].title, Words().questionTitle);
        QCOMPARE(show.host.boxes[0].buttons, BoxButtons::YesNo);
        QCOMPARE(show.host.boxes[1].prompt, Words().matchmakerPrompt);
        QCOMPARE(show.host.boxes[1].title, Words().matchmakerTitle);
        QCOMPARE(show.host.openedAddresses.size(), 1);
        QCOMPARE(show.host.openedAddresses[0], Matchmaker::address);
        QVERIFY(Matchmaker::address.startsWith("https://"));
        QCOMPARE(show.host.log.mid(1),
                 QStringList({ "box:询问", "box:兴奋", "shell:" + Matchmaker::address, "end:0" }));
        QVERIFY(!show.folder.exists("Orlessa.mp3"));
        QVERIFY(show.form.Label4->isHidden());
        QCOMPARE(show.form.Picture3->Left(), 9553.0f);
        QCOMPARE(show.form.Answer.toInt(), BoxResult::yes);
        QCOMPARE(show.form.Answer2, qint16(6));
        QVERIFY(show.form.hasEnded());
    }

    void yesThenNo()
    {
        ShowFixture show("", "");
        show.host.answers = { BoxAnswer::Yes, BoxAnswer::No };
        show.letterTicks(1);
        show.declarationTicks(1);
        QVERIFY(show.host.openedAddresses.isEmpty());
        QVERIFY(!show.folder.exists("Orlessa.mp3"));
        QVERIFY(show.host.ended);
        QCOMPARE(show.host.exitCode, 0);
        QVERIFY(show.host.errors.isEmpty());
    }

    void onlyYesIsYes_data()
    {
        QTest::addColumn<BoxAnswer>("result");
        QTest::newRow("OK") << BoxAnswer::Ok;
        QTest::newRow("No") << BoxAnswer::No;
    }

    void onlyYesIsYes()
    {
        QFETCH(BoxAnswer, result);
        ShowFixture asked("", "");
        asked.host.answers = { result };
        asked.letterTicks(1);
        asked.declarationTicks(1);
        QVERIFY2(asked.host.log.contains("stop2"), qPrintable(asked.host.log.join(' ')));
        ShowFixture matchmaker("", "");
        matchmaker.host.answers = { BoxAnswer::Yes, result };
        matchmaker.letterTicks(1);
        matchmaker.declarationTicks(1);
        QVERIFY(matchmaker.host.openedAddresses.isEmpty());
        QVERIFY(matchmaker.host.ended);
    }

    void theQuestionMayComeBeforeTheWalkEnds()
    {
        ShowFixture show("", "d");
        show.host.answers = { BoxAnswer::Yes, BoxAnswer::No };
        show.letterTicks(1);
        show.walkTicks(10);
        bool walking = false;
        show.host.onBox
                = [&](const FakeHost::Box &) { walking = walking || show.form.Timer4->Enabled(); };
        show.declarationTicks(2);
        QVERIFY(walking);
        QCOMPARE(show.form.Picture3->Left(), 120 + 310 + 1455 - 20.0f);
    }

    void aMusicFileAlreadyGoneEndsTheShowQuietly()
    {
        ShowFixture show("", "");
        show.host.answers = { BoxAnswer::Yes, BoxAnswer::Yes };
        QFile::remove(show.folder.file("Orlessa.mp3"));
        show.letterTicks(1);
        show.declarationTicks(1);
        QVERIFY(show.host.errors.isEmpty());
        QVERIFY(show.host.ended);
        QCOMPARE(show.host.exitCode, 0);
    }
};

QTEST_MAIN(ShowTest)
#include "tst_show.moc"
