// SPDX-License-Identifier: GPL-3.0-or-later
// The host's message boxes, driven with real keys: a Yes/No box is answered
// only by Yes or No; an OK box closes any way a box closes.
#include "desktop/desktopmessageboxes.h"
#include "runtime/runtimeerror.h"
#include "runtime/textruns.h"

#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QWindow>
#include <QtTest>

#include <functional>

namespace {
// Runs `act` on the box as soon as it is shown, from inside its event loop.
void whenShown(const std::function<void(QMessageBox *)> &act)
{
    auto *poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        // Mnemonics answer only once the box is the active window.
        if (!box || !box->isVisible() || !box->isActiveWindow())
            return;
        poll->stop();
        poll->deleteLater();
        act(box);
    });
    poll->start();
}

void key(QMessageBox *box, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = box->focusWidget() ? box->focusWidget() : box;
    QTest::keyClick(target, key, modifiers);
}

// Every way of leaving a box without answering it.
void tryToDismiss(QMessageBox *box)
{
    key(box, Qt::Key_Escape);
    QVERIFY(box->isVisible());
    QVERIFY(!box->close());
    QVERIFY(box->isVisible());
    QCloseEvent request;
    QCoreApplication::sendEvent(box, &request);
    QVERIFY(!request.isAccepted());
    QVERIFY(box->isVisible());
    box->reject();
    QVERIFY(box->isVisible());
}
} // namespace

class BoxesTest : public QObject
{
    Q_OBJECT

private slots:
    // The title bar says what the preparer wrote, Qt's "[*]" included.
    void titlesAreShownAsWritten_data()
    {
        QTest::addColumn<QString>("title");
        QTest::newRow("one placeholder") << QStringLiteral("Love [*] you");
        QTest::newRow("two together") << QStringLiteral("[*][*]");
        QTest::newRow("three together, and one apart") << QStringLiteral("a[*][*][*]b [*]");
        QTest::newRow("almost a placeholder") << QStringLiteral("[*] [ *] [*");
        QTest::newRow("chinese") << QStringLiteral("询问");
    }

    void titlesAreShownAsWritten()
    {
        QFETCH(QString, title);
        const auto box = DesktopMessageBoxes::buildBox(QStringLiteral("?"), BoxButtons::YesNo, title, {});
        box->winId();
        QCOMPARE(box->windowHandle()->title(), title);
        box->setWindowModified(true);
        QCOMPARE(box->windowHandle()->title(), title);
    }

    // A prompt with emoji draws them from the colour face; one without stays
    // plain text, as it always was.
    void promptsWithEmojiNameTheColourFace_data()
    {
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<bool>("marked");
        QTest::newRow("chinese") << QStringLiteral("愿意走这一步吗?") << false;
        QTest::newRow("a heart as text, <b> as written") << QStringLiteral("\u2764 <b>&") << false;
        QTest::newRow("a red heart") << QStringLiteral("我爱你\u2764\uFE0F <b>&\r\n\r\n?") << true;
    }

    void promptsWithEmojiNameTheColourFace()
    {
        QFETCH(QString, prompt);
        QFETCH(bool, marked);
        if (marked && colourEmojiFamily().isEmpty())
            QSKIP("no colour emoji face on this machine");
        const auto box = DesktopMessageBoxes::buildBox(prompt, BoxButtons::YesNo, QStringLiteral("t"), {});
        QCOMPARE(box->textFormat(), marked ? Qt::RichText : Qt::PlainText);
        if (!marked) {
            QCOMPARE(box->text(), QString(prompt).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
            return;
        }
        QTextDocument shown;
        shown.setHtml(box->text());
        // What is read is what was written, but for the presentation selector.
        QCOMPARE(shown.toPlainText(), QString(prompt).remove(QChar(0xFE0F)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QVERIFY(box->text().contains(colourEmojiFamily()));
    }

    void yesNoBoxesHaveNoCancel_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("result");
        QTest::newRow("Return on Yes, which has the focus") << "Return" << int(BoxAnswer::Yes);
        QTest::newRow("Space on Yes") << "Space" << int(BoxAnswer::Yes);
        QTest::newRow("Tab to No, Return") << "Tab Return" << int(BoxAnswer::No);
        QTest::newRow("Tab to No, Space") << "Tab Space" << int(BoxAnswer::No);
        QTest::newRow("Alt+Y") << "Alt+Y" << int(BoxAnswer::Yes);
        QTest::newRow("Alt+N") << "Alt+N" << int(BoxAnswer::No);
    }

    void yesNoBoxesHaveNoCancel()
    {
        QFETCH(QString, keys);
        QFETCH(int, result);
        DesktopMessageBoxes host;
        QString buttons;
        bool closable = true;
        whenShown([&](QMessageBox *box) {
            closable = box->windowFlags().testFlag(Qt::WindowCloseButtonHint);
            for (QAbstractButton *button : box->buttons())
                buttons += button->text() + QLatin1Char(' ');
            tryToDismiss(box);
            for (const QString &name : keys.split(QLatin1Char(' '))) {
                const QKeySequence sequence(name);
                key(box, sequence[0].key(), sequence[0].keyboardModifiers());
            }
        });
        QCOMPARE(host.showMessage(QStringLiteral("愿意走这一步吗?"), BoxButtons::YesNo,
                                  QStringLiteral("询问")),
                 BoxAnswer(result));
        QVERIFY(!closable);
        QVERIFY(buttons.contains(QStringLiteral("是(&Y)")));
        QVERIFY(buttons.contains(QStringLiteral("否(&N)")));
    }

    void okBoxesCloseAnyWay_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("Return") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close request") << 2;
    }

    void okBoxesCloseAnyWay()
    {
        QFETCH(int, way);
        DesktopMessageBoxes host;
        const auto dismiss = [way](QMessageBox *box) {
            if (way == 0)
                key(box, Qt::Key_Return);
            else if (way == 1)
                key(box, Qt::Key_Escape);
            else
                box->close();
        };
        whenShown(dismiss);
        QCOMPARE(host.showMessage(QStringLiteral("我一定要追到你"), BoxButtons::Ok,
                                  QStringLiteral("奋斗")),
                 BoxAnswer::Ok);
        bool closed = false;
        whenShown([&](QMessageBox *box) {
            dismiss(box);
            closed = !box->isVisible();
        });
        host.showRuntimeError(runtimeError(ErrorNumber::PathFileAccessError));
        QVERIFY(closed);
    }

    void errorBoxBeforeTheWindowIsShownIsCentredOnTheScreen()
    {
        QWidget window;
        window.setFixedSize(789, 486);
        DesktopMessageBoxes host;
        host.setOwner(&window);
        QRect shown;
        QWidget *parent = &window;
        whenShown([&](QMessageBox *box) {
            shown = box->geometry();
            parent = box->parentWidget();
            box->accept();
        });
        host.showRuntimeError(runtimeError(ErrorNumber::PathFileAccessError));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(!parent);
        QVERIFY2((shown.center() - screen.center()).manhattanLength() < 40,
                 qPrintable(QStringLiteral("box at %1,%2 on a screen of %3 x %4")
                                    .arg(shown.x())
                                    .arg(shown.y())
                                    .arg(screen.width())
                                    .arg(screen.height())));

        // Once the window is up, its boxes belong to it.
        window.show();
        whenShown([&](QMessageBox *box) {
            parent = box->parentWidget();
            box->accept();
        });
        host.showRuntimeError(runtimeError(ErrorNumber::PathFileAccessError));
        QCOMPARE(parent, &window);
    }
};

QTEST_MAIN(BoxesTest)
#include "tst_boxes.moc"
