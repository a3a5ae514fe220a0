// The show's words as a person writes them in a file, and as a program
// carries them: what is taken, what is refused and where, and what the show
// says when what it carries is damaged.
#include "runtime/assetbundle.h"
#include "runtime/carriedassets.h"
#include "runtime/codepage.h"
#include "stage/buttonwords.h"
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
        row("UTF-16 with a mark", utf16WithMark(QStringLiteral("caption = Ünser\n| Wort\n")), {},
            "caption", "Ünser\r\nWort");
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
        Reason problem;
        const QByteArray bundle = AssetBundle::encode(
                { { AssetBundle::Keys::words, {}, -1, WordsFile::toEntry(chosen) } }, &problem);
        for (const int damage : { -1, 0, 1 }) {
            QByteArray file = program + (damage < 0 ? QByteArray() : bundle);
            if (damage > 0)
                file[file.size() - 17] ^= 1; // the entry's last byte
            const QString path = dir.filePath(QStringLiteral("velmora"));
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(file);
            out.close();
            Reason why;
            const Words words = WordsFile::carriedBy(CarriedAssets::of(path), &why);
            QCOMPARE(words, damage == 0 ? chosen : Words());
            QCOMPARE(why.untranslated().contains(QLatin1String("damaged")), damage > 0);
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
