// The text box as the addressee types into it, and labels that never draw
// half a character.
#include "controls/label.h"
#include "controls/textbox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QtTest>

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
