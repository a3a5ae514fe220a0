// SPDX-License-Identifier: GPL-3.0-or-later
// The text box as the addressee types into it, and labels that never draw
// half a character, draw emoji as pictures and right-to-left lines from the
// right.
#include "controls/label.h"
#include "controls/textbox.h"
#include "runtime/textruns.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QtTest>

namespace {
// One mark a UTF-16 unit: 'e' where the emoji face draws it, '.' elsewhere.
QString facesOf(const QString &text)
{
    QString faces(text.size(), QLatin1Char('.'));
    for (const TextRun &run : emojiRuns(text)) {
        if (run.emoji)
            faces.replace(run.start, run.length, QString(run.length, QLatin1Char('e')));
    }
    return faces;
}

// The columns where a label on a white stage has drawn something.
QPair<int, int> inkedColumns(QWidget &stage)
{
    const QImage image = stage.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return { first, last };
}

struct WhiteStage
{
    WhiteStage()
    {
        stage.setAutoFillBackground(true);
        stage.setPalette(QPalette(Qt::white));
        stage.resize(800, 60);
        label.setTextFont(QFont(QStringLiteral("DejaVu Sans"), 10), 14);
        label.setRightToLeftEdge(edge * 15.0f);
    }
    static constexpr int edge = 793; // pixels
    QWidget stage;
    Label label { &stage, 120, 120 };
};
} // namespace

class ControlsTest : public QObject
{
    Q_OBJECT

    struct Box
    {
        explicit Box(const QString &text, int caret)
        {
            box.setText(text);
            box.setSelStart(caret);
        }
        void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
        {
            QTest::keyClick(&box, key, modifiers);
        }
        void commit(const QString &text, int replaceFrom = 0, int replaceLength = 0)
        {
            QInputMethodEvent event;
            event.setCommitString(text, replaceFrom, replaceLength);
            QCoreApplication::sendEvent(&box, &event);
        }

        QWidget window;
        TextBox box { &window, 0, 0, 3000, 375 };
    };

private slots:
    void everyLineBreakBreaksALabelLine_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("cr lf") << QStringLiteral("ab\r\ncd") << QStringList { "ab", "cd" };
        QTest::newRow("lone cr") << QStringLiteral("ab\rcd") << QStringList { "ab", "cd" };
        QTest::newRow("lone lf") << QStringLiteral("ab\ncd") << QStringList { "ab", "cd" };
        QTest::newRow("cr between the ticks of cr lf")
                << QStringLiteral("ab\r") << QStringList { "ab", "" };
        QTest::newRow("cr, then cr lf")
                << QStringLiteral("a\r\r\nb") << QStringList { "a", "", "b" };
    }

    void everyLineBreakBreaksALabelLine()
    {
        QFETCH(QString, caption);
        QFETCH(QStringList, lines);
        QWidget stage;
        stage.resize(400, 300);
        Label label(&stage, 0, 0);
        label.setCaption(caption);
        QCOMPARE(label.lines(), lines);
        Label oneLine(&stage, 0, 0);
        oneLine.setCaption(QStringLiteral("ab"));
        QCOMPARE(label.height(), oneLine.height() * lines.size());
    }

    void editingKeys()
    {
        Box b(QStringLiteral("ab\r\ncd"), 5);
        b.key(Qt::Key_Home);
        QCOMPARE(b.box.SelStart(), 4);
        b.key(Qt::Key_End);
        QCOMPARE(b.box.SelStart(), 6);
        b.key(Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(b.box.SelStart(), 0);
        b.key(Qt::Key_End);
        QCOMPARE(b.box.SelStart(), 2);
        // Delete takes the character after the caret, a line break whole.
        b.key(Qt::Key_Delete);
        QCOMPARE(b.box.Text(), QStringLiteral("abcd"));
        QCOMPARE(b.box.SelStart(), 2);
        b.key(Qt::Key_Delete);
        QCOMPARE(b.box.Text(), QStringLiteral("abd"));
        b.key(Qt::Key_End, Qt::ControlModifier);
        b.key(Qt::Key_Delete);
        QCOMPARE(b.box.Text(), QStringLiteral("abd"));
        QTest::keyClicks(&b.box, QStringLiteral("x"));
        b.key(Qt::Key_Home);
        QTest::keyClicks(&b.box, QStringLiteral("y"));
        QCOMPARE(b.box.Text(), QStringLiteral("yabdx"));
        QCOMPARE(b.box.SelStart(), 1);
    }

    void deleteAndBackspaceTakeWholeCharacters()
    {
        Box b(QStringLiteral("a\U0001F496b\U0001F339\r\nc"), 1);
        b.key(Qt::Key_Delete);
        QCOMPARE(b.box.Text(), QStringLiteral("ab\U0001F339\r\nc"));
        b.key(Qt::Key_End);
        b.key(Qt::Key_Right);
        QCOMPARE(b.box.SelStart(), 6);
        b.key(Qt::Key_Backspace);
        QCOMPARE(b.box.Text(), QStringLiteral("ab\U0001F339c"));
        b.key(Qt::Key_Backspace);
        QCOMPARE(b.box.Text(), QStringLiteral("abc"));
        QCOMPARE(b.box.SelStart(), 2);
        b.key(Qt::Key_Home);
        b.key(Qt::Key_Backspace);
        QCOMPARE(b.box.Text(), QStringLiteral("abc"));
    }

    void pasteFromTheClipboard()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("我爱\n你"));
        Box b(QStringLiteral("ab"), 1);
        b.key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(b.box.Text(), QStringLiteral("a我爱\r\n你b"));
        QCOMPARE(b.box.SelStart(), 6);
        b.key(Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(b.box.Text(), QStringLiteral("a我爱\r\n你我爱\r\n你b"));
        // A plain V is a V.
        b.key(Qt::Key_V);
        QCOMPARE(b.box.Text(), QStringLiteral("a我爱\r\n你我爱\r\n你vb"));
    }

    void inputMethodsCommitWholeWords()
    {
        Box b(QStringLiteral("ab"), 1);
        QVERIFY(b.box.testAttribute(Qt::WA_InputMethodEnabled));
        QCOMPARE(b.box.inputMethodQuery(Qt::ImEnabled).toBool(), true);
        // What is still being composed is not text yet.
        QInputMethodEvent composing(QStringLiteral("wo"), {});
        QCoreApplication::sendEvent(&b.box, &composing);
        QCOMPARE(b.box.Text(), QStringLiteral("ab"));
        b.commit(QStringLiteral("我爱你"));
        QCOMPARE(b.box.Text(), QStringLiteral("a我爱你b"));
        QCOMPARE(b.box.SelStart(), 4);
        QCOMPARE(b.box.inputMethodQuery(Qt::ImCursorPosition).toInt(), 4);
        QCOMPARE(b.box.inputMethodQuery(Qt::ImSurroundingText).toString(), b.box.Text());
        // A method may replace what lies just before the caret.
        b.commit(QStringLiteral("您"), -1, 1);
        QCOMPARE(b.box.Text(), QStringLiteral("a我爱您b"));
        QCOMPARE(b.box.SelStart(), 4);
    }

    // Where a typed text may be cut: after each whole grapheme cluster.
    void typedTextIsCutAfterWholeClusters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("cuts");
        QTest::newRow("chinese") << QStringLiteral("我爱你") << QList<int> { 0, 1, 2, 3 };
        QTest::newRow("beyond 16 bits") << QStringLiteral("爱\U0001F496") << QList<int> { 0, 1, 3 };
        QTest::newRow("zwj couple")
                << QStringLiteral("\U0001F469\u200D\u2764\uFE0F\u200D\U0001F468a")
                << QList<int> { 0, 8, 9 };
        QTest::newRow("zwj family")
                << QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467")
                << QList<int> { 0, 8 };
        QTest::newRow("skin tone") << QStringLiteral("\U0001F44D\U0001F3FD") << QList<int> { 0, 4 };
        QTest::newRow("two flags")
                << QStringLiteral("\U0001F1E8\U0001F1F3\U0001F1E8\U0001F1F3")
                << QList<int> { 0, 4, 8 };
        QTest::newRow("tag flag")
                << QStringLiteral("\U0001F3F4\U000E0067\U000E0062\U000E0073\U000E0063"
                                  "\U000E0074\U000E007F")
                << QList<int> { 0, 14 };
        QTest::newRow("rainbow flag")
                << QStringLiteral("\U0001F3F3\uFE0F\u200D\U0001F308") << QList<int> { 0, 6 };
        QTest::newRow("keycap") << QStringLiteral("1\uFE0F\u20E3") << QList<int> { 0, 3 };
        QTest::newRow("heart and selector") << QStringLiteral("\u2764\uFE0F") << QList<int> { 0, 2 };
        QTest::newRow("combining accents")
                << QStringLiteral("e\u0301\u0323a") << QList<int> { 0, 3, 4 };
        QTest::newRow("hangul jamo")
                << QStringLiteral("\u1100\u1161\u11A8\uAC00") << QList<int> { 0, 3, 4 };
        QTest::newRow("thai marks") << QStringLiteral("\u0E17\u0E35\u0E48a") << QList<int> { 0, 3, 4 };
        QTest::newRow("devanagari vowel sign")
                << QStringLiteral("\u0928\u092E\u0947") << QList<int> { 0, 1, 3 };
        QTest::newRow("arabic harakat")
                << QStringLiteral("\u0628\u064E\u062D") << QList<int> { 0, 2, 3 };
    }

    void typedTextIsCutAfterWholeClusters()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, cuts);
        QWidget stage;
        stage.resize(400, 100);
        Label label(&stage, 0, 0);
        for (qsizetype n = 0; n <= text.size(); ++n) {
            const int expected = *std::prev(std::upper_bound(cuts.begin(), cuts.end(), int(n)));
            QCOMPARE(wholeClusters(text.left(n), text.mid(n)), qsizetype(expected));
            label.setCaption(text.left(n), text.mid(n, 2));
            QCOMPARE(label.lines(), QStringList { text.left(expected) });
        }
    }

    void emojiRunsAndTheirFaces_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("faces");
        QTest::newRow("red heart") << QStringLiteral("\u2764\uFE0F") << "ee";
        QTest::newRow("heart as text") << QStringLiteral("\u2764") << ".";
        QTest::newRow("smiling face as picture") << QStringLiteral("\u263A\uFE0F") << "ee";
        QTest::newRow("picture asked as text") << QStringLiteral("\U0001F60D\uFE0E") << "...";
        QTest::newRow("face among letters") << QStringLiteral("a\U0001F60Db") << ".ee.";
        QTest::newRow("zwj couple")
                << QStringLiteral("\U0001F469\u200D\u2764\uFE0F\u200D\U0001F468") << "eeeeeeee";
        QTest::newRow("skin tone, blank, flag")
                << QStringLiteral("\U0001F44D\U0001F3FD \U0001F1E8\U0001F1F3") << "eeee.eeee";
        QTest::newRow("rainbow flag") << QStringLiteral("\U0001F3F3\uFE0F\u200D\U0001F308") << "eeeeee";
        QTest::newRow("tag flag")
                << QStringLiteral("\U0001F3F4\U000E0067\U000E0062\U000E0073\U000E0063"
                                  "\U000E0074\U000E007F")
                << QString(14, QLatin1Char('e'));
        QTest::newRow("keycap and plain digits")
                << QStringLiteral("1\uFE0F\u20E3 12#") << "eee....";
        QTest::newRow("copyright as text, then as picture")
                << QStringLiteral("\u00A9\u00A9\uFE0F") << ".ee";
        QTest::newRow("chinese and arabic") << QStringLiteral("爱أحبك") << ".....";
    }

    void emojiRunsAndTheirFaces()
    {
        QFETCH(QString, text);
        QFETCH(QString, faces);
        QCOMPARE(facesOf(text), faces);
        if (faces.contains(QLatin1Char('e')))
            QVERIFY(mayHoldEmoji(text));
    }

    // The quick test that lets most text skip the segmenter misses no
    // character drawn as a picture on its own.
    void everyPictureMayHoldAnEmoji()
    {
        for (char32_t c = 0; c < 0x20000; ++c) {
            if (c >= 0xD800 && c < 0xE000)
                continue;
            const QString text = QString::fromUcs4(&c, 1);
            const QList<TextRun> runs = emojiRuns(text);
            if (!runs.isEmpty() && runs.first().emoji && !mayHoldEmoji(text))
                QFAIL(qPrintable(QStringLiteral("U+%1 is missed").arg(uint(c), 4, 16)));
        }
    }

    // Where the colour face is installed, each sequence is one picture.
    void emojiSequencesAreOnePicture_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("glyphs");
        QTest::newRow("red heart") << QStringLiteral("\u2764\uFE0F") << 1;
        QTest::newRow("zwj couple")
                << QStringLiteral("\U0001F469\u200D\u2764\uFE0F\u200D\U0001F468") << 1;
        QTest::newRow("family")
                << QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467") << 1;
        QTest::newRow("skin tone") << QStringLiteral("\U0001F44D\U0001F3FD") << 1;
        QTest::newRow("flag") << QStringLiteral("\U0001F1E8\U0001F1F3") << 1;
        QTest::newRow("rainbow flag") << QStringLiteral("\U0001F3F3\uFE0F\u200D\U0001F308") << 1;
        QTest::newRow("tag flag")
                << QStringLiteral("\U0001F3F4\U000E0067\U000E0062\U000E0073\U000E0063"
                                  "\U000E0074\U000E007F")
                << 1;
        QTest::newRow("keycap") << QStringLiteral("1\uFE0F\u20E3") << 1;
        QTest::newRow("smiling face and a heart")
                << QStringLiteral("\u263A\uFE0F\u2764\uFE0F") << 2;
    }

    void emojiSequencesAreOnePicture()
    {
        QFETCH(QString, text);
        QFETCH(int, glyphs);
        const QString family = colourEmojiFamily();
        if (family.isEmpty())
            QSKIP("no colour emoji face on this machine");
        QFont font(QStringLiteral("Noto Sans CJK SC"));
        font.setPixelSize(14);
        QCOMPARE(LineLayout(text, font, family, nullptr).glyphCount(), qsizetype(glyphs));
    }

    // The first glyph typed lands at the edge its line grows from.
    void rightToLeftLinesEndAtTheirEdge_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fromTheRight");
        QTest::newRow("arabic") << QStringLiteral("أحبك كثيرا يا حبيبتي") << true;
        QTest::newRow("hebrew") << QStringLiteral("אני אוהב אותך") << true;
        QTest::newRow("arabic with latin and digits")
                << QStringLiteral("أحبك Velmora 2026 كثيرا") << true;
        QTest::newRow("digits, then arabic") << QStringLiteral("2026 أحبك") << true;
        QTest::newRow("latin, then arabic") << QStringLiteral("I love أحبك") << false;
    }

    void rightToLeftLinesEndAtTheirEdge()
    {
        QFETCH(QString, text);
        QFETCH(bool, fromTheRight);
        WhiteStage white;
        const int left = white.label.x();
        for (qsizetype n = 1; n <= text.size(); ++n) {
            white.label.setCaption(text.left(n), text.mid(n, 2));
            // Until a letter comes, the line's direction is not known.
            if (text.at(n - 1).isSpace() || !text.left(n).contains(QRegularExpression("\\p{L}")))
                continue;
            const auto [first, last] = inkedColumns(white.stage);
            if (fromTheRight) {
                QVERIFY2(last <= WhiteStage::edge && last >= WhiteStage::edge - 3,
                         qPrintable(QStringLiteral("ends at %1 after %2").arg(last).arg(n)));
            } else {
                QVERIFY2(first >= left && first <= left + 3,
                         qPrintable(QStringLiteral("starts at %1 after %2").arg(first).arg(n)));
            }
        }
    }

    // The first word of a right-to-left line stays put while the rest is typed.
    void typedRightToLeftWordsNeverMove()
    {
        WhiteStage typed;
        const QString text = QStringLiteral("أحبك كثيرا يا حبيبتي");
        const qsizetype firstWord = text.indexOf(QLatin1Char(' '));
        typed.label.setCaption(text.left(firstWord), text.mid(firstWord, 2));
        const QImage word = typed.stage.grab().toImage();
        const auto [wordStart, wordEnd] = inkedColumns(typed.stage);
        const QRect wordArea(wordStart, 0, wordEnd - wordStart + 1, word.height());
        for (qsizetype n = firstWord + 1; n <= text.size(); ++n) {
            typed.label.setCaption(text.left(n), text.mid(n, 2));
            QCOMPARE(typed.stage.grab().toImage().copy(wordArea), word.copy(wordArea));
        }
    }

    void labelsDrawOnlyWholeCharacters()
    {
        QWidget stage;
        Label typed(&stage, 0, 0), whole(&stage, 0, 0);
        const QString text = QStringLiteral("爱\U0001F496\r\n\U0001F339你");
        QStringList seen;
        for (int n = 1; n <= text.size(); ++n) {
            typed.setCaption(text.left(n));
            QCOMPARE(typed.Caption(), text.left(n));
            for (const QString &line : typed.lines()) {
                QVERIFY2(!line.endsWith(QChar(text.at(1))) && !line.endsWith(QChar(text.at(5))),
                         qPrintable(QStringLiteral("half a character after %1 units").arg(n)));
            }
            seen << typed.lines().join(QLatin1Char('|'));
        }
        // The tick that adds the first half shows what the tick before showed.
        QCOMPARE(seen.at(1), seen.at(0));
        QCOMPARE(seen.at(2), QStringLiteral("爱\U0001F496"));
        whole.setCaption(text);
        QCOMPARE(typed.size(), whole.size());
        typed.setCaption(QStringLiteral("爱"));
        whole.setCaption(QStringLiteral("爱\xD83D"));
        QCOMPARE(whole.size(), typed.size());
    }
};

QTEST_MAIN(ControlsTest)
#include "tst_controls.moc"
