// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/desktopaddressopener.h"
#include "desktop/desktopexit.h"
#include "desktop/desktopmessageboxes.h"
#include "desktop/singleshow.h"
#include "desktop/windowplacement.h"
#include "players/processsettings.h"
#include "players/qtmediafactory.h"
#include "runtime/assetsource.h"
#include "runtime/chineseinterface.h"
#include "runtime/hostfiles.h"
#include "runtime/timeline.h"
#include "show/form1.h"
#include "show/screenpresentation.h"
#include "stage/showpace.h"
#include "stage/buttonwords.h"
#include "stage/wordsfile.h"

#include <QApplication>
#include <QProcessEnvironment>

#include <memory>

#include <cstdio>
#include <cstdlib>

namespace {
// Qt gives up with a fatal message when it cannot reach a display; say so
// plainly instead of aborting.
void reportFatal(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg) {
        std::fprintf(stderr,
                     "velmora: the show needs a graphical desktop and could not start "
                     "one (is DISPLAY set?).\n");
        std::_Exit(EXIT_FAILURE);
    }
}
// The show speaks to the terminal in the words its sources are written in.
void report(const Reason &problem, const char *instead)
{
    std::fprintf(stderr, "velmora: %s; %s\n", qPrintable(problem.untranslated()), instead);
}

// The preparer's words, when the program carries them whole.
Words ownWords(const CarriedAssets &carried)
{
    Reason problem, note;
    const Words words = WordsFile::carriedBy(carried, &problem, &note);
    if (!problem.isEmpty())
        report(problem, "the show says its own words");
    if (!note.isEmpty())
        std::fprintf(stderr, "velmora: %s\n", qPrintable(note.untranslated()));
    return words;
}

// The preparer's pace, when the program carries one whole.
ShowPace ownPace(const CarriedAssets &carried)
{
    PaceEntry::Refusal refusal;
    Reason problem;
    const ShowPace pace = PaceEntry::carriedBy(carried, &refusal, &problem);
    if (!problem.isEmpty())
        report(problem, "the show keeps its own pace");
    else if (refusal.reason != PaceEntry::Refusal::Reason::None)
        report(Reason::plain(QStringLiteral("the show's pace is damaged")), "the show keeps its own pace");
    return pace;
}

// How long the music plays, the preparer's or the built-in.
qint64 musicMs(const CarriedAssets &carried)
{
    const AssetBundle::Entry *music = carried.find(AssetBundle::Keys::music);
    return music && music->durationMs > 0 ? music->durationMs : qint64(Pace::musicSeconds * 1000);
}

ButtonWords buttonWords(const QString &language)
{
    Reason problem;
    if (const auto chosen = ButtonWords::forLanguage(language, &problem))
        return *chosen;
    report(problem, "the buttons speak Chinese");
    Reason none;
    return *ButtonWords::forLanguage(Words().buttons, &none);
}
} // namespace

int main(int argc, char *argv[])
{
    Timeline::start();
    // What the browser is given: the show's own settings below are not for it.
    const QProcessEnvironment userEnvironment = QProcessEnvironment::systemEnvironment();
    ProcessSettings::setBeforeApplication(ProcessSettings::Platform::PreferX11);
    qInstallMessageHandler(reportFatal);

    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    // A second start in the same folder would play the music twice and delete
    // the files under the first show: it brings the first window forward instead.
    const QString programFolder = QCoreApplication::applicationDirPath();
    SingleShow single(programFolder);
    switch (single.claimOrCallForward()) {
    case SingleShow::Start::First:
        break;
    case SingleShow::Start::AnotherRuns:
        return EXIT_SUCCESS;
    case SingleShow::Start::Unguarded:
        report(single.unguarded(), "the show runs without its one-show guard");
        break;
    case SingleShow::Start::Unreachable:
        std::fprintf(stderr, "velmora: a show is running in this folder and does not answer.\n");
        return EXIT_FAILURE;
    }
    Timeline::mark("application ready");
    QApplication::setQuitOnLastWindowClosed(false);
    useChineseInterface(app);

    Timeline::mark("fonts and translations set");
    // The preparer's music, film and pictures, when the program carries them.
    const AssetSource assets(CarriedAssets::of(QCoreApplication::applicationFilePath()));
    const Words words = ownWords(assets.carried());
    DesktopMessageBoxes boxes;
    const ButtonWords buttons = buttonWords(words.buttons);
    boxes.setButtonTexts({ buttons.yes, buttons.no, buttons.ok });
    DesktopAddressOpener addresses(userEnvironment);
    DesktopExit exit;
    QtMediaFactory media;
    Form1 form(Host { boxes, addresses, exit, media, assets }, programFolder, words);
    std::unique_ptr<ScreenPresentation> wholeScreen;
    if (words.presentation == Presentation::screen)
        wholeScreen = std::make_unique<ScreenPresentation>(form, QDBusConnection::sessionBus());
    form.setPace(ownPace(assets.carried()), musicMs(assets.carried()));
    boxes.setOwner(&form);
    exit.setWindow(&form);
    QObject::connect(&single, &SingleShow::forwardRequested, &form,
                     [&form] { bringForward(*form.window()); });
    Timeline::mark("window built");
    form.runHandler([&form] { form.Form_Load(); });
    if (form.hasEnded())
        return form.exitCode();

    Timeline::mark("load handler done");
    if (wholeScreen)
        wholeScreen->present(screenUnderPointer());
    else
        showCentred(form);
    return app.exec();
}
