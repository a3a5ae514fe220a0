// SPDX-License-Identifier: GPL-3.0-or-later
// The window on the desktop: where it opens, that it cannot be lost by
// minimising, the pictures at every screen scale, and the video surface kept
// within the window. Runs at scale 1 and again at scale 2.
#include "controls/label.h"
#include "controls/picturebox.h"
#include "desktop/windowplacement.h"
#include "players/mediaplayer.h"
#include "show/form1.h"
#include "stage/defaulttexts.h"
#include "stage/stage.h"
#include "stage/words.h"
#include "support/fakehost.h"

#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QImage solid(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// What a widget shows, in device pixels.
QImage shown(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}
// A window with one label on a plain background, as the screen shows it:
// painted only where something was marked for painting since the last time.
struct LabelOnStage
{
    explicit LabelOnStage(const QFont &font)
    {
        window.setAutoFillBackground(true);
        window.setPalette(QPalette(QColor(250, 240, 230)));
        window.resize(560, 120);
        label->setTextFont(font, Stage::textLinePitch);
        window.show();
    }
    QImage onScreen()
    {
        QCoreApplication::processEvents();
        return window.screen()
                ->grabWindow(window.winId())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
    }

    QWidget window;
    Label *label = new Label(&window, 150, 300);
};
} // namespace

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void centredWithItsFrame_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QPoint>("client");
        const QRect screen(0, 0, 1280, 800);
        QTest::newRow("no frame") << screen << QMargins() << QPoint(246, 157);
        // left, top, right, bottom as openbox, xfwm4 and mutter draw them
        QTest::newRow("thin frame") << screen << QMargins(1, 20, 1, 1) << QPoint(246, 167);
        QTest::newRow("wide frame") << screen << QMargins(5, 29, 5, 5) << QPoint(246, 169);
        QTest::newRow("title bar only") << screen << QMargins(0, 35, 0, 0) << QPoint(246, 175);
        QTest::newRow("panel above, second screen")
                << QRect(1280, 30, 1920, 1050) << QMargins(1, 20, 1, 1) << QPoint(1846, 322);
    }
    void centredWithItsFrame()
    {
        QFETCH(QRect, available);
        QFETCH(QMargins, frame);
        QFETCH(QPoint, client);
        const QSize size(789, 486);
        QCOMPARE(centredClientPosition(available, size, frame), client);
        // the outer edges lie as far from the screen's edges on both sides
        const QRect outer = QRect(client, size).marginsAdded(frame);
        QVERIFY(qAbs((outer.left() - available.left()) - (available.right() - outer.right())) <= 1);
        QVERIFY(qAbs((outer.top() - available.top()) - (available.bottom() - outer.bottom())) <= 1);
    }

    void typedTextLooksAsIfDrawnWhole_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<QString>("text");
        const QFont declaration = Stage::declarationFont(), letter = Stage::letterFont();
        const QString english = QStringLiteral("Official waffles? AVA, To: Yes, \"fine\" ffi fl");
        QTest::newRow("latin, kerning and ligatures") << declaration << english;
        QTest::newRow("latin in the letter's face") << letter << english;
        QTest::newRow("english words in a declaration")
                << declaration
                << QStringLiteral("我爱你, Avery. Will you take the office of my wife?");
        QTest::newRow("arabic") << declaration << QStringLiteral("أحبك حتى آخر العمر، هل تقبلين؟");
        QTest::newRow("emoji sequences")
                << declaration
                << QStringLiteral("爱\U0001F469\u200D\u2764\uFE0F\u200D\U0001F468 "
                                  "\U0001F468\u200D\U0001F469\u200D\U0001F467 "
                                  "\U0001F44D\U0001F3FD \U0001F3F3\uFE0F\u200D\U0001F308");
        QTest::newRow("tall glyphs on three lines")
                << declaration
                << QStringLiteral("ÅÉ\U0001F496\r\n\U0001F469\u200D\u2764\uFE0F\u200D\U0001F468 "
                                  "ǺṎ\r\ngÿ\u0328");
        QTest::newRow("chinese, two lines")
                << letter << QStringLiteral("我们在最青春的时候相遇，\r\n谢谢你。");
    }

    void typedTextLooksAsIfDrawnWhole()
    {
        QFETCH(QFont, font);
        QFETCH(QString, text);
        LabelOnStage typed(font), whole(font);
        QVERIFY(QTest::qWaitForWindowExposed(&typed.window));
        QVERIFY(QTest::qWaitForWindowExposed(&whole.window));
        for (qsizetype n = 1; n <= text.size(); ++n) {
            typed.label->setCaption(text.left(n));
            whole.label->setCaption(text.left(n));
            whole.window.repaint();
            QCOMPARE(typed.label->size(), whole.label->size());
            if (typed.onScreen() != whole.onScreen())
                QFAIL(qPrintable(QStringLiteral("differs after %1 of %2 characters: %3")
                                         .arg(n)
                                         .arg(text.size())
                                         .arg(text.left(n))));
        }
    }

    // The show's own texts, in its own faces, look as QPainter::drawText()
    // draws them line by line: laying lines out whole changed nothing there.
    void theDefaultTextsDrawAsEver_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<int>("linePitch");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("centred");
        QTest::newRow("letter") << Stage::letterFont() << int(Stage::textLinePitch)
                                << DefaultTexts::letter() << false;
        QTest::newRow("declaration") << Stage::declarationFont() << int(Stage::textLinePitch)
                                     << DefaultTexts::declaration() << false;
        QTest::newRow("question") << Stage::windowFont() << int(Stage::questionLinePitch)
                                  << Words().question << true;
    }

    void theDefaultTextsDrawAsEver()
    {
        QFETCH(QFont, font);
        QFETCH(int, linePitch);
        QFETCH(QString, text);
        QFETCH(bool, centred);
        QWidget stage;
        stage.resize(Stage::clientArea);
        Label *label = new Label(&stage, 120, 120);
        label->setTextFont(font, linePitch);
        label->setCentred(centred);
        label->setRightToLeftEdge(Stage::rightToLeftEdge(120));
        label->setCaption(text);
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        const QFontMetrics metrics(label->font());
        int widest = 0;
        for (const QString &line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        QCOMPARE(label->size(), QSize(widest, linePitch * int(lines.size())));

        QImage drawn(label->size() * label->devicePixelRatio(), QImage::Format_ARGB32_Premultiplied);
        drawn.setDevicePixelRatio(label->devicePixelRatio());
        drawn.fill(Qt::white);
        {
            QPainter painter(&drawn);
            painter.setFont(label->font());
            painter.setPen(Qt::black);
            const int baseline = (linePitch + metrics.ascent() - metrics.descent()) / 2;
            for (int i = 0; i < lines.size(); ++i) {
                const int x = centred ? (widest - metrics.horizontalAdvance(lines[i])) / 2 : 0;
                painter.drawText(x, i * linePitch + baseline, lines[i]);
            }
        }
        label->setTextColor(Qt::black);
        QImage shownByLabel(drawn.size(), QImage::Format_ARGB32_Premultiplied);
        shownByLabel.setDevicePixelRatio(label->devicePixelRatio());
        shownByLabel.fill(Qt::white);
        label->render(&shownByLabel, QPoint(), QRegion(), QWidget::DrawChildren);
        QCOMPARE(shownByLabel, drawn);
    }

    // Qt's "[*]" in the caption is the preparer's text, not a placeholder.
    void theCaptionIsShownAsWritten()
    {
        FakeHost host;
        Form1 form(host.parts(), QDir::tempPath());
        const QString caption = QStringLiteral("Love [*] you [*][*]");
        form.setCaption(caption);
        form.winId();
        QCOMPARE(form.Caption(), caption);
        QCOMPARE(form.windowHandle()->title(), caption);
    }

    void aMinimisedWindowComesBack()
    {
        FakeHost host;
        Form1 form(host.parts(), QDir::tempPath());
        showCentred(form);
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(!form.isMinimized());
        QVERIFY(form.isVisible());
    }

    void theStageAtThisScale()
    {
        // At scale 1 exactly the normal pixels; above it the doubled ones.
        FakeHost host;
        Form1 form(host.parts(), QDir::tempPath());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const qreal ratio = form.devicePixelRatioF();
        const bool doubled = ratio > 1;
        const QImage picture = QImage(doubled ? QStringLiteral(":/background@2x.jpg")
                                              : QStringLiteral(":/background.jpg"))
                                       .convertToFormat(QImage::Format_RGB32);
        const QImage stage = shown(form.Picture1->content());
        const int factor = doubled ? 2 : 1;
        QCOMPARE(stage.size(), QSize(797, 501) * factor);
        if (ratio == 1 || ratio == 2) {
            const QRect drawn(0, 0, 797 * factor, 500 * factor);
            QCOMPARE(stage.copy(drawn), picture.copy(drawn));
        }
        // the figures too, cut at the box's right edge as at scale 1
        form.Picture2->show();
        const QImage figure = shown(form.Picture2->content());
        const QImage boy = QImage(doubled ? QStringLiteral(":/walking-figure@2x.jpg")
                                          : QStringLiteral(":/walking-figure.jpg"))
                                   .convertToFormat(QImage::Format_RGB32);
        if (ratio == 1 || ratio == 2) {
            const QRect drawn(0, 0, 97 * factor, 100 * factor);
            QCOMPARE(figure.copy(drawn), boy.copy(drawn));
        }
    }

    void theDoubledPictureIsChosenOnlyWhereItFits()
    {
        QTemporaryDir folder;
        const QString twice = folder.filePath(QStringLiteral("twice.png"));
        const QString once = folder.filePath(QStringLiteral("once.png"));
        const QString wrong = folder.filePath(QStringLiteral("wrong.png"));
        solid(QSize(10, 10), Qt::red).save(twice);
        solid(QSize(20, 20), Qt::green).save(folder.filePath(QStringLiteral("twice@2x.png")));
        solid(QSize(10, 10), Qt::red).save(once);
        solid(QSize(10, 10), Qt::red).save(wrong);
        solid(QSize(15, 15), Qt::green).save(folder.filePath(QStringLiteral("wrong@2x.png")));

        QWidget window;
        window.resize(100, 100);
        auto *withDouble = new PictureBox(&window, 0, 0, 150, 150, twice);
        auto *without = new PictureBox(&window, 0, 0, 150, 150, once);
        auto *misfit = new PictureBox(&window, 0, 0, 150, 150, wrong);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const bool doubled = window.devicePixelRatioF() > 1;
        const QPoint middle(5 * window.devicePixelRatioF(), 5 * window.devicePixelRatioF());
        QCOMPARE(QColor(shown(withDouble->content()).pixel(middle)),
                 doubled ? QColor(Qt::green) : QColor(Qt::red));
        QCOMPARE(QColor(shown(without->content()).pixel(middle)), QColor(Qt::red));
        QCOMPARE(QColor(shown(misfit->content()).pixel(middle)), QColor(Qt::red));
    }

    void aVideoSurfaceKeptWithinItsContainer()
    {
        QWidget window;
        window.resize(789, 486);
        auto *view = new QWidget(&window);
        MediaPlayer::keepWithinContainer(view);
        view->setGeometry(0, 0, 788, 496);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(view->geometry(), QRect(0, 0, 788, 486));
        view->move(-10, 20);
        QTRY_COMPARE(view->geometry(), QRect(0, 20, 778, 466));
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
