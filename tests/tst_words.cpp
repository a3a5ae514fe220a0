// SPDX-License-Identifier: GPL-3.0-or-later
// The show's words as a person writes them in a file, and as a program
// carries them: what is taken, what is refused and where, and what the show
// says when what it carries is damaged.
#include "runtime/assetbundle.h"
#include "runtime/carriedassets.h"
#include "runtime/codepage.h"
#include "stage/buttonwords.h"
#include "stage/showpace.h"
#include "stage/wordsfile.h"

#include <QLibraryInfo>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QByteArray utf16WithMark(const QString &text)
{
    QByteArray bytes("\xff\xfe");
    bytes.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    return bytes;
}

// `program` written into `dir` as velmora: alone (damage -1), carrying
// `entry` (0), or carrying it with the entry's last byte changed (1).
QString programCarrying(const QTemporaryDir &dir, const QByteArray &program,
                        const AssetBundle::Asset &entry, int damage)
{
    Reason problem;
    QByteArray file = program + (damage < 0 ? QByteArray() : AssetBundle::encode({ entry }, &problem));
    if (damage > 0)
        file[file.size() - 17] ^= 1;
    const QString path = dir.filePath(QStringLiteral("velmora"));
    QFile out(path);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        out.write(file);
    return path;
}
} // namespace

class WordsTest : public QObject
{
    Q_OBJECT
private slots:
    // Each row: the file's bytes, then the problems as "LINE: words in it"
    // or, when there are none, the key that must come out as `expected`.
    void files_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("problems");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *name, const QByteArray &file, const QStringList &problems,
                      const QString &key = {}, const QString &expected = {}) {
            QTest::newRow(name) << file << problems << key << expected;
        };
        const QString question = Words().question;
        row("the defaults, written and read back", WordsFile::write(Words()).toUtf8(), {},
            "question", question);
        row("lines continued, CR LF in the file too",
            "# hello\r\nquestion = Will you\r\n|\r\n| take  \r\n|  the step?\r\n", {}, "question",
            "Will you\r\n\r\ntake  \r\n the step?");
        row("an empty text", "vow.prompt =\n", {}, "vow.prompt", "");
        row("only spaces", "caption =    \n", {}, "caption", "   ");
        row("emoji and right to left", "plea.title = 💖 שלום عليكم\n", {}, "plea.title",
            "💖 שלום عليكم");
        row("GBK", CodePage::toAnsi(QStringLiteral("caption = 我们的话\r\n")), {}, "caption",
            "我们的话");
        row("UTF-16 with a mark", utf16WithMark(QStringLiteral("question = Ünser\n| Wort\n")), {},
            "question", "Ünser\r\nWort");
        row("an http address", "address = http://example.org/a?b=c#d\n", {}, "address",
            "http://example.org/a?b=c#d");
        row("unknown and duplicate keys", "caption = a\nnope = x\n\ncaption = b\n",
            { "2: unknown key \"nope\"", "4: caption is given again (first on line 1)" });
        row("a continued line first", "| x\ncaption = a\n", { "1: with no" });
        row("no key", "just words\n = x\n", { "1: not", "2: not" });
        for (const char *address : { "file:///etc/passwd", "javascript:alert(1)", "xdg-open x",
                                     "https://exa mple.org", "https://example.org/\x01",
                                     "example.org", "ftp://example.org", "https:///path",
                                     "file://host/path" })
            row(address, QByteArray("caption = a\naddress = ") + address + "\n",
                { "2: the address" });
        row("a 1 MB text", "caption = a\nvow.prompt = " + QByteArray(1 << 20, 'x') + "\n",
            { "2: vow.prompt is 1048576 characters long" });
        row("a NUL", QByteArray("vow.title = a\0b\n", 16), { "1: NUL" });
        row("no language", "buttons = English\n", { "1: buttons \"English\"" });
        row("on the whole screen", "presentation = screen\n", {}, "presentation", "screen");
        row("in its window", "presentation = window\n", {}, "presentation", "window");
        row("no presentation", "caption = a\npresentation = Screen\n",
            { "2: presentation \"Screen\" is neither" });
        // Captions and titles are one line; the question and the prompts keep theirs.
        row("a caption of two lines", "question = a\ncaption = Love\n| you\n",
            { "2: caption holds a line break or a control character (U+000d)" });
        row("a title with a tab", "vow.title = a\tb\n", { "1: vow.title holds a line break or a control character (U+0009)" });
        row("a film caption with a line separator", "film.caption = a\u2028b\n",
            { "1: film.caption holds a line break" });
        row("a title with an escape", "plea.matchmaker.title = \x1b[31mred\n",
            { "1: plea.matchmaker.title holds a line break or a control character (U+001b)" });
        row("a prompt of two lines", "plea.prompt = a\n|\n| b\n", {}, "plea.prompt", "a\r\n\r\nb");
        row("a caption with Qt's placeholder", "caption = Love [*] you\n", {}, "caption",
            "Love [*] you");
    }
    void files()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, problems);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        const WordsFile::Read read = WordsFile::parse(CodePage::fromFileBytes(file));
        QCOMPARE(read.problems.size(), problems.size());
        for (qsizetype i = 0; i < problems.size(); ++i) {
            const QString found = QStringLiteral("%1: %2").arg(read.problems[i].line).arg(read.problems[i].message.untranslated());
            QVERIFY2(found.startsWith(problems[i].section(QLatin1Char(' '), 0, 0))
                             && found.contains(problems[i].section(QLatin1Char(' '), 1)),
                     qPrintable(found));
        }
        if (!key.isEmpty())
            QCOMPARE(read.words.*WordsField::byKey(key)->member, expected);
    }

    // What a program carries: read whole, else the defaults and why.
    void entries_data()
    {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("problem");
        Words chosen;
        chosen.caption = QStringLiteral("Ours\r\n💖");
        const QByteArray whole = WordsFile::toEntry(chosen);
        // Carried before captions and titles had to be one line, the caption of
        // two lines is kept.
        QTest::newRow("whole") << whole << chosen.caption << "";
        QTest::newRow("the defaults") << WordsFile::toEntry(Words()) << Words().caption << "";
        QTest::newRow("a later version") << QByteArray(whole).replace("words 1", "words 2")
                                         << Words().caption << "version";
        QTest::newRow("no UTF-8") << whole + "\xff" << Words().caption << "UTF-8";
        QTest::newRow("an unknown key") << whole + "later = x\n" << Words().caption << "damaged";
        QTest::newRow("a refused address") << whole + "address = file:///x\n" << Words().caption
                                           << "damaged";

    }
    void entries()
    {
        QFETCH(QByteArray, entry);
        QFETCH(QString, caption);
        QFETCH(QString, problem);
        Reason why;
        QCOMPARE(WordsFile::fromEntry(entry, &why).caption, caption);
        QVERIFY2(problem.isEmpty() ? why.isEmpty() : why.untranslated().contains(problem),
                 qPrintable(why.untranslated()));
    }

    // The presentation a program carries: one this program does not know
    // gives the window and a note, and spoils none of the other words.
    void carriedPresentations_data()
    {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QString>("presentation");
        QTest::addColumn<bool>("noted");
        Words chosen;
        chosen.caption = QStringLiteral("Ours");
        chosen.presentation = Presentation::screen;
        const QByteArray screen = WordsFile::toEntry(chosen);
        QTest::newRow("screen") << screen << "screen" << false;
        chosen.presentation = Presentation::window;
        QTest::newRow("window, the default, not carried") << WordsFile::toEntry(chosen) << "window" << false;
        QTest::newRow("a later program's") << QByteArray(screen).replace("= screen", "= projector")
                                           << "window" << true;
        QTest::newRow("far too long") << QByteArray(screen).replace("screen", QByteArray(300, 's'))
                                      << "window" << true;
        QTest::newRow("empty") << QByteArray(screen).replace(" screen", "") << "window" << true;
    }
    void carriedPresentations()
    {
        QFETCH(QByteArray, entry);
        QFETCH(QString, presentation);
        QFETCH(bool, noted);
        Reason problem, note;
        const Words words = WordsFile::fromEntry(entry, &problem, &note);
        QVERIFY2(problem.isEmpty(), qPrintable(problem.untranslated()));
        QCOMPARE(words.presentation, presentation);
        QCOMPARE(words.caption, QStringLiteral("Ours"));
        QCOMPARE(!note.isEmpty(), noted);
        // What the show writes back out again is what it plays.
        const Words again = WordsFile::fromEntry(WordsFile::toEntry(words), &problem, &note);
        QCOMPARE(again, words);
    }

    // A copy of this test program carrying words: a damaged entry leaves the
    // defaults and says why; a program without one has the defaults.
    void programsCarryTheirWords()
    {
        QTemporaryDir dir;
        QFile self(QCoreApplication::applicationFilePath());
        QVERIFY(self.open(QIODevice::ReadOnly));
        const QByteArray program = self.readAll();
        Words chosen;
        chosen.buttons = QStringLiteral("en");
        const AssetBundle::Asset entry { AssetBundle::Keys::words, {}, -1, WordsFile::toEntry(chosen) };
        for (const int damage : { -1, 0, 1 }) {
            const QString path = programCarrying(dir, program, entry, damage);
            Reason why;
            const Words words = WordsFile::carriedBy(CarriedAssets::of(path), &why);
            QCOMPARE(words, damage == 0 ? chosen : Words());
            QCOMPARE(why.untranslated().contains(QLatin1String("damaged")), damage > 0);
        }
    }

    // The pace as --pace gives it: taken, or refused with its reason.
    void paceArguments_data()
    {
        using Reason = PaceEntry::Refusal::Reason;
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<int>("letterMs"); // -1: fitted
        QTest::addColumn<int>("declarationMs");
        QTest::addColumn<int>("refused"); // a Reason
        QTest::newRow("both") << QStringList { "200", "300" } << 200 << 300 << int(Reason::None);
        QTest::newRow("the bounds") << QStringList { "40", "2000" } << 40 << 2000 << int(Reason::None);
        QTest::newRow("fit") << QStringList { "fit" } << -1 << 500 << int(Reason::None);
        QTest::newRow("too fast") << QStringList { "39", "500" } << 0 << 0 << int(Reason::OutOfRange);
        QTest::newRow("too slow") << QStringList { "388", "2001" } << 0 << 0 << int(Reason::OutOfRange);
        QTest::newRow("negative") << QStringList { "-5", "500" } << 0 << 0 << int(Reason::OutOfRange);
        QTest::newRow("a word") << QStringList { "slow", "500" } << 0 << 0 << int(Reason::NotANumber);
        QTest::newRow("a fraction") << QStringList { "388.5", "500" } << 0 << 0 << int(Reason::NotANumber);
        QTest::newRow("one number") << QStringList { "388" } << 0 << 0 << int(Reason::NotANumber);
        QTest::newRow("fit and more") << QStringList { "fit", "x" } << 0 << 0 << int(Reason::NotANumber);
    }

    void paceArguments()
    {
        QFETCH(QStringList, values);
        QFETCH(int, letterMs);
        QFETCH(int, declarationMs);
        QFETCH(int, refused);
        PaceEntry::Refusal refusal;
        const std::optional<ShowPace> pace = PaceEntry::fromArguments(values, &refusal);
        QCOMPARE(int(refusal.reason), refused);
        QCOMPARE(pace.has_value(), refused == int(PaceEntry::Refusal::Reason::None));
        if (!pace)
            return;
        QCOMPARE(pace->letterFitted, letterMs < 0);
        if (letterMs > 0)
            QCOMPARE(pace->letterMs, letterMs);
        QCOMPARE(pace->declarationMs, declarationMs);
        // and through the entry a program carries
        QCOMPARE(PaceEntry::fromEntry(PaceEntry::toEntry(*pace), &refusal), pace);
    }

    void damagedPaceEntries_data()
    {
        using Reason = PaceEntry::Refusal::Reason;
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<int>("refused");
        QTest::newRow("another version") << QByteArray("velmora-pace 2\nletter = 388\ndeclaration = 500\n")
                                         << int(Reason::UnknownVersion);
        QTest::newRow("cut short") << QByteArray("velmora-pace 1\nletter = 388\n") << int(Reason::Damaged);
        QTest::newRow("lines swapped")
                << QByteArray("velmora-pace 1\ndeclaration = 500\nletter = 388\n") << int(Reason::Damaged);
        QTest::newRow("out of range")
                << QByteArray("velmora-pace 1\nletter = 9\ndeclaration = 500\n") << int(Reason::OutOfRange);
        QTest::newRow("fitted, the declaration out of range")
                << QByteArray("velmora-pace 1\nletter = fit\ndeclaration = 0\n") << int(Reason::OutOfRange);
    }

    void damagedPaceEntries()
    {
        QFETCH(QByteArray, entry);
        QFETCH(int, refused);
        PaceEntry::Refusal refusal;
        QVERIFY(!PaceEntry::fromEntry(entry, &refusal));
        QCOMPARE(int(refusal.reason), refused);
    }

    // A copy of this test program carrying a pace gives it back; one whose
    // entry is damaged gives the default pace and says why.
    void programsCarryTheirPace()
    {
        QTemporaryDir dir;
        QFile self(QCoreApplication::applicationFilePath());
        QVERIFY(self.open(QIODevice::ReadOnly));
        const QByteArray program = self.readAll();
        ShowPace chosen;
        chosen.letterFitted = true;
        chosen.declarationMs = 250;
        const AssetBundle::Asset entry { AssetBundle::Keys::pace, {}, -1, PaceEntry::toEntry(chosen) };
        for (const int damage : { -1, 0, 1 }) {
            const QString path = programCarrying(dir, program, entry, damage);
            PaceEntry::Refusal refusal;
            Reason why;
            const ShowPace pace = PaceEntry::carriedBy(CarriedAssets::of(path), &refusal, &why);
            QCOMPARE(pace, damage == 0 ? chosen : ShowPace());
            QCOMPARE(why.isEmpty(), damage <= 0);
        }
    }

    // A fitted letter brings the question before the music's end by the
    // lead, to within one millisecond a tick of the letter.
    void aFittedLetterEndsBeforeTheSong_data()
    {
        QTest::addColumn<int>("letterLength");
        QTest::addColumn<int>("declarationLength");
        QTest::addColumn<int>("musicMs");
        QTest::addColumn<int>("letterMs");
        QTest::newRow("500 characters of English") << 500 << 64 << 161000 << 246;
        QTest::newRow("the default letter") << 225 << 64 << 161000 << 546;
        QTest::newRow("a short letter, kept to the slowest") << 10 << 64 << 161000 << 2000;
        QTest::newRow("a long letter, kept to the fastest") << 30000 << 64 << 161000 << 40;
        QTest::newRow("a song shorter than the declaration") << 100 << 64 << 20000 << 40;
    }

    void aFittedLetterEndsBeforeTheSong()
    {
        QFETCH(int, letterLength);
        QFETCH(int, declarationLength);
        QFETCH(int, musicMs);
        QFETCH(int, letterMs);
        ShowPace fitted;
        fitted.letterFitted = true;
        QCOMPARE(fitted.letterTickMs(letterLength, declarationLength, musicMs), letterMs);
        QCOMPARE(ShowPace().letterTickMs(letterLength, declarationLength, musicMs), 388);
        const qint64 question = qint64(letterLength + 1) * letterMs + qint64(declarationLength + 1) * 500;
        if (letterMs > ShowPace::fewestMs && letterMs < ShowPace::mostMs) {
            QVERIFY(question <= musicMs - ShowPace::fitLeadMs);
            QVERIFY(question > musicMs - ShowPace::fitLeadMs - (letterLength + 1));
        }
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("yes");
        QTest::addColumn<QString>("no");
        QTest::newRow("Chinese") << "zh_CN" << "是(&Y)" << "否(&N)";
        QTest::newRow("English") << "en" << "&Yes" << "&No";
        QTest::newRow("German") << "de" << "&Ja" << "&Nein";
        QTest::newRow("not here") << "xx" << "" << "";
        QTest::newRow("a country Qt has no words for") << "fr_XX" << "" << "";
    }
    void buttons()
    {
        QFETCH(QString, language);
        QFETCH(QString, yes);
        QFETCH(QString, no);
        if (language == QLatin1String("de")
            && !QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
            QSKIP("Qt's German translation is not installed here");
        Reason problem;
        const auto words = ButtonWords::forLanguage(language, &problem);
        QCOMPARE(words.has_value(), !yes.isEmpty());
        QCOMPARE(problem.isEmpty(), !yes.isEmpty());
        if (words) {
            QCOMPARE(words->yes, yes);
            QCOMPARE(words->no, no);
        }
    }
};

QTEST_GUILESS_MAIN(WordsTest)
#include "tst_words.moc"
