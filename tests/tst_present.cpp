// SPDX-License-Identifier: GPL-3.0-or-later
// The show on the whole screen: the stage fitted to screens of every shape,
// each control where its twips put it at that scale, the walk unchanged, and
// the pointer and the screen saver while the show runs.
#include "desktop/screeninhibition.h"
#include "show/screenpresentation.h"
#include "stage/stage.h"
#include "support/showfixture.h"

#include <QDBusConnectionInterface>
#include <QProcess>
#include <QThread>
#include <QtTest>

#include <cmath>

namespace {
QList<QSize> screens()
{
    return { { 1920, 1080 }, { 1080, 1920 }, { 3840, 2160 }, { 1366, 768 },
             { 800, 600 },   { 640, 480 },   { 789, 486 } };
}

QString rowName(QSize screen)
{
    return QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height());
}

// Stands in for the desktop's screen saver, on a bus of the test's own.
class FakeScreenSaver : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public slots:
    uint Inhibit(const QString &application, const QString &reason)
    {
        calls.append(QStringLiteral("Inhibit %1: %2").arg(application, reason));
        return 42;
    }
    void UnInhibit(uint cookie) { calls.append(QStringLiteral("UnInhibit %1").arg(cookie)); }

public:
    QStringList calls;
};

// A private session bus: dbus-daemon for as long as the test runs.
class PrivateBus
{
public:
    PrivateBus()
    {
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       { QStringLiteral("--session"), QStringLiteral("--nofork"),
                         QStringLiteral("--print-address=1") });
        if (m_daemon.waitForStarted() && m_daemon.waitForReadyRead(5000))
            address = QString::fromUtf8(m_daemon.readLine().trimmed());
    }
    ~PrivateBus()
    {
        m_daemon.kill();
        m_daemon.waitForFinished();
    }
    QDBusConnection connect(const QString &name) const
    {
        return QDBusConnection::connectToBus(address, name);
    }

    QString address;

private:
    QProcess m_daemon;
};

// The fake screen saver answering on its own thread, as another process would.
struct ScreenSaverService
{
    explicit ScreenSaverService(const PrivateBus &bus)
        : connection(bus.connect(QStringLiteral("service")))
    {
        thread.start();
        saver.moveToThread(&thread);
        connection.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &saver,
                                  QDBusConnection::ExportAllSlots);
        connection.registerService(QStringLiteral("org.freedesktop.ScreenSaver"));
    }
    ~ScreenSaverService()
    {
        connection.unregisterService(QStringLiteral("org.freedesktop.ScreenSaver"));
        connection.unregisterObject(QStringLiteral("/org/freedesktop/ScreenSaver"));
        thread.quit();
        thread.wait();
        QDBusConnection::disconnectFromBus(QStringLiteral("service"));
    }
    // Read once the calls have been answered.
    QStringList calls() { return saver.calls; }

    QDBusConnection connection;
    QThread thread;
    FakeScreenSaver saver;
};
} // namespace

class PresentTest : public QObject
{
    Q_OBJECT
private slots:
    // The stage keeps its shape and fills the screen one way, centred the other.
    void fit_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QRect>("stage");
        QTest::newRow("1920x1080") << QSize(1920, 1080) << QRect(83, 0, 1753, 1080);
        QTest::newRow("portrait") << QSize(1080, 1920) << QRect(0, 627, 1080, 665);
        QTest::newRow("3840x2160") << QSize(3840, 2160) << QRect(166, 0, 3507, 2160);
        QTest::newRow("800x600, a little larger") << QSize(800, 600) << QRect(0, 53, 800, 493);
        QTest::newRow("640x480, smaller") << QSize(640, 480) << QRect(0, 43, 640, 394);
        QTest::newRow("the window's own size") << QSize(789, 486) << QRect(0, 0, 789, 486);
        QTest::newRow("no screen") << QSize(0, 0) << QRect(0, 0, 789, 486);
    }
    void fit()
    {
        QFETCH(QSize, screen);
        QFETCH(QRect, stage);
        const Stage::Fit fit = Stage::fitIn(screen);
        QCOMPARE(fit.rect, stage);
        if (!screen.isEmpty())
            QVERIFY(fit.rect.width() == screen.width() || fit.rect.height() == screen.height());
    }

    // Each row: a screen and a control, with where its twips put it in the
    // client area, measured as at scale 1.
    void controls_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRectF>("twips");
        const QList<std::pair<const char *, QRectF>> controls {
            { "stage", { -90, -90, 11955, 7515 } },
            { "letter", { 30, 30, 0, 0 } },
            { "declaration", { 30, 5430, 0, 0 } },
            { "question", { 9870, 5910, 0, 0 } },
            { "walking figure", { 30, 5710, 1455, 1575 } },
            { "waiting figure", { 10360, 5710, 1455, 1575 } },
            { "film", { 0, 0, 11820, 7440 } },
        };
        for (const QSize screen : screens())
            for (const auto &[name, twips] : controls)
                QTest::addRow("%s %s", qPrintable(rowName(screen)), name) << screen << name << twips;
    }
    void controls()
    {
        QFETCH(QSize, screen);
        QFETCH(QString, control);
        QFETCH(QRectF, twips);
        ShowFixture show("a\r\nb\r\n", "c");
        Form1 &form = show.form;
        const Stage::Fit fit = Stage::fitIn(screen);
        form.setStageScale(fit.scale);
        QCOMPARE(form.size(), fit.rect.size());
        const std::map<QString, QWidget *> widgets {
            { "stage", form.Picture1->content() }, { "letter", form.Label1 },
            { "declaration", form.Label2 },        { "question", form.Label4 },
            { "walking figure", form.Picture2 },   { "waiting figure", form.Picture3 },
            { "film", form.WindowsMediaPlayer1View },
        };
        QWidget *widget = widgets.at(control);
        const QRect shown(widget->mapTo(&form, QPoint(0, 0)), widget->size());
        const double pixel = fit.scale / twipsPerPixel;
        // Each edge within a pixel of its twips at this scale: one rounding
        // for the control, one for its container.
        QVERIFY2(std::abs(shown.left() - twips.left() * pixel) <= 1.5
                         && std::abs(shown.top() - twips.top() * pixel) <= 1.5,
                 qPrintable(QStringLiteral("at %1,%2").arg(shown.left()).arg(shown.top())));
        if (twips.width() > 0)
            QVERIFY(std::abs(shown.width() - twips.width() * pixel) <= 1.0
                    && std::abs(shown.height() - twips.height() * pixel) <= 1.0);
        // The stage covers the client area whole, and the film fills it.
        if (control == QLatin1String("stage"))
            QVERIFY(QRect(shown).contains(form.rect()));
    }

    // The letter at the scaled size, and the working controls out of sight.
    void textsAndWorkingControls_data()
    {
        QTest::addColumn<QSize>("screen");
        for (const QSize screen : screens())
            QTest::newRow(qPrintable(rowName(screen))) << screen;
    }
    void textsAndWorkingControls()
    {
        QFETCH(QSize, screen);
        ShowFixture show("", "");
        Form1 &form = show.form;
        const double scale = Stage::fitIn(screen).scale;
        form.Label1->setCaption(QStringLiteral("我们\r\n在最青春的时候\r\n相遇"));
        const QSize normal = form.Label1->size();
        const float normalWidth = form.Label1->Width();
        form.setStageScale(scale);
        QCOMPARE(form.Label1->font().pixelSize(), int(std::lround(14 * scale)));
        QCOMPARE(form.Label1->height(), 3 * int(std::lround(14 * scale)));
        QCOMPARE(form.Label4->font().pixelSize(), int(std::lround(12 * scale)));
        // measured again in the font of that size, not stretched, and the
        // twips move by no more than that font's rounding
        QCOMPARE(form.Label1->width(),
                 QFontMetrics(form.Label1->font()).horizontalAdvance(QStringLiteral("在最青春的时候")));
        QVERIFY(std::abs(form.Label1->Width() - normalWidth) <= 7 * 0.5 / scale * twipsPerPixel + 1);
        for (QWidget *hidden : { static_cast<QWidget *>(form.Text1), static_cast<QWidget *>(form.Text2),
                                 static_cast<QWidget *>(form.Text3) })
            QVERIFY(hidden->y() >= form.height());
        QVERIFY(form.Label3->x() >= form.width());
        form.setStageScale(1.0);
        QCOMPARE(form.size(), Stage::clientArea);
        QCOMPARE(form.Label1->size(), normal);
    }

    // The same ticks to the same spot, whatever the scale.
    void theWalk_data() { textsAndWorkingControls_data(); }
    void theWalk()
    {
        QFETCH(QSize, screen);
        ShowFixture show("", "decl");
        const double scale = Stage::fitIn(screen).scale;
        show.form.setStageScale(scale);
        show.letterTicks(1);
        QCOMPARE(show.walkTicksUntilStop(), 258);
        QCOMPARE(show.form.Picture2->Left(), 8118.0f);
        QCOMPARE(show.form.Picture2->x(), int(std::lround(8118 / 15.0 * scale)));
        QCOMPARE(show.form.Label4->Caption(), show.words.question);
    }

    // Above twice its size the stage is drawn from the fourfold pictures,
    // reduced smoothly; between once and twice from the doubled ones.
    void thePicturesDrawnForTheScaleShown_data()
    {
        QTest::addColumn<double>("scale");
        for (const QSize screen : { QSize(1920, 1080), QSize(1366, 768), QSize(3840, 2160), QSize(800, 600) })
            QTest::newRow(qPrintable(rowName(screen))) << Stage::fitIn(screen).scale;
    }
    void thePicturesDrawnForTheScaleShown()
    {
        QFETCH(double, scale);
        ShowFixture show("", "");
        show.form.setStageScale(scale);
        QWidget *stage = show.form.Picture1->content();
        const qreal shown = scale * stage->devicePixelRatioF();
        const QString drawnFrom = shown > 2 ? QStringLiteral(":/background@4x.jpg")
                                            : QStringLiteral(":/background@2x.jpg");
        QImage drawn = stage->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage expected = QImage(drawnFrom)
                                  .scaled((QSizeF(800, 500) * shown).toSize(), Qt::IgnoreAspectRatio,
                                          Qt::SmoothTransformation)
                                  .convertToFormat(QImage::Format_RGB32);
        drawn.setDevicePixelRatio(1);
        expected.setDevicePixelRatio(1);
        QVERIFY(std::abs(drawn.width() - 797 * shown) <= 2 && std::abs(drawn.height() - 501 * shown) <= 2);
        // The picture's top-left corner, where it is drawn whole.
        const QRect corner(0, 0, 200, 200);
        QCOMPARE(drawn.copy(corner), expected.copy(corner));
    }

    void theScreenSaverIsAskedAndReleased()
    {
        PrivateBus bus;
        if (bus.address.isEmpty())
            QSKIP("no dbus-daemon here");
        ScreenSaverService service(bus);
        QDBusConnection client = bus.connect(QStringLiteral("client"));
        QTRY_VERIFY(client.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.ScreenSaver")));
        {
            ScreenInhibition held(client, QStringLiteral("the show is running"));
            QCOMPARE(held.way(), ScreenInhibition::Way::SessionBus);
            held.release();
            QCOMPARE(held.way(), ScreenInhibition::Way::Unheld);
        } // released once only
        {
            ScreenInhibition dropped(client, QStringLiteral("again"));
        }
        QCOMPARE(service.calls(), QStringList({ "Inhibit velmora: the show is running",
                                                "UnInhibit 42", "Inhibit velmora: again",
                                                "UnInhibit 42" }));
        QDBusConnection::disconnectFromBus(QStringLiteral("client"));
    }

    void noScreenSaverOnTheBus()
    {
        PrivateBus bus;
        if (bus.address.isEmpty())
            QSKIP("no dbus-daemon here");
        const QDBusConnection client = bus.connect(QStringLiteral("lonely"));
        ScreenInhibition held(client, QStringLiteral("r"));
        // Nothing answers, and offscreen there is no X server either.
        QCOMPARE(held.way(), ScreenInhibition::Way::Unheld);
        QDBusConnection::disconnectFromBus(QStringLiteral("lonely"));
    }

    // The pointer hidden and the screen held while the show runs; on the
    // plea's road to the web page the show's own window comes back, the
    // pointer with it, and the screen is let go.
    void thePointerAndTheScreenWhileTheShowRuns()
    {
        PrivateBus bus;
        if (bus.address.isEmpty())
            QSKIP("no dbus-daemon here");
        ScreenSaverService service(bus);
        QDBusConnection client = bus.connect(QStringLiteral("show"));
        QTRY_VERIFY(client.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.ScreenSaver")));
        ShowFixture show("", "");
        show.form.setCaption(QStringLiteral("caption"));
        ScreenPresentation screen(show.form, client);
        screen.present(QGuiApplication::primaryScreen());
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QCOMPARE(screen.windowTitle(), QStringLiteral("caption"));
        QCOMPARE(show.form.window(), &screen);
        QCOMPARE(show.form.cursor().shape(), Qt::BlankCursor);
        QCOMPARE(screen.cursor().shape(), Qt::BlankCursor);
        // over the film too, which takes the stage's cursor
        QCOMPARE(show.form.WindowsMediaPlayer1View->cursor().shape(), Qt::BlankCursor);
        QVERIFY(screen.keepsScreenAwake());
        QCOMPARE(show.form.geometry(), Stage::fitIn(screen.size()).rect);
        show.form.setCaption(QStringLiteral("vow"));
        QCOMPARE(screen.windowTitle(), QStringLiteral("vow"));

        emit show.form.leavingPageOpen();
        QVERIFY(show.form.isWindow());
        QVERIFY(!show.form.testAttribute(Qt::WA_SetCursor));
        QVERIFY(!screen.isVisible());
        QVERIFY(!screen.keepsScreenAwake());
        QCOMPARE(show.form.size(), Stage::clientArea);
        QVERIFY(QTest::qWaitForWindowExposed(&show.form));
        QCOMPARE(service.calls(), QStringList({ "Inhibit velmora: the show is running", "UnInhibit 42" }));
        QDBusConnection::disconnectFromBus(QStringLiteral("show"));
    }
};

QTEST_MAIN(PresentTest)
#include "tst_present.moc"
