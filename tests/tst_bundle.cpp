// The bundle of replacements carried after the program: what is read from
// whole, damaged, cut-off and crafted bundles, and what the show then uses.
#include "runtime/assetbundle.h"
#include "runtime/assetsource.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QPixmap>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <algorithm>
#include <functional>

namespace {
using Mutation = std::function<void(QByteArray &bundle)>;
namespace Keys = AssetBundle::Keys;

const QByteArray program = QByteArray("a program's own bytes").repeated(10);
const QByteArray song = QByteArray("song").repeated(100);
const QByteArray film = QByteArray("film").repeated(50);

QByteArray wholeBundle()
{
    Reason problem;
    return AssetBundle::encode({ { Keys::music, QStringLiteral("歌.mp3"), 6000, song },
                                 { Keys::film, QStringLiteral("a.avi"), 3000, film } },
                               &problem);
}

// Where the first entry's fields lie: after the header, its key "music" and its name.
constexpr int firstEntry = 64 + 2 + 5 + 2 + int(sizeof("歌.mp3") - 1);
constexpr int offsetField = firstEntry + 8, sizeField = firstEntry + 16;

template<typename T> void poke(QByteArray &bytes, int at, T value)
{
    qToLittleEndian(value, bytes.data() + at);
}

// A crafted directory with a checksum that holds.
void rehash(QByteArray &bundle)
{
    const auto directorySize = qFromLittleEndian<quint64>(bundle.constData() + 24);
    const QByteArray hash = QCryptographicHash::hash(
            bundle.left(32) + bundle.mid(64, qsizetype(directorySize)), QCryptographicHash::Sha256);
    bundle.replace(32, 32, hash);
}

// A file in memory that remembers the largest read asked of it.
class MeasuredFile : public QBuffer
{
public:
    explicit MeasuredFile(const QByteArray &bytes)
    {
        setData(bytes);
        open(QIODevice::ReadOnly);
    }
    qint64 largestRead = 0;

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        largestRead = std::max(largestRead, maxSize);
        return QBuffer::readData(data, maxSize);
    }
};

// A 64-bit little-endian ELF header with its tables where `change` puts them.
QByteArray elfHeader(const std::function<void(QByteArray &)> &change = {})
{
    QByteArray elf(64, '\0');
    elf.replace(0, 6, "\x7f" "ELF\x02\x01");
    if (change)
        change(elf);
    return elf;
}

AssetBundle::Directory read(const QByteArray &file)
{
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    return AssetBundle::readDirectory(buffer, program.size());
}
} // namespace

class BundleTest : public QObject
{
    Q_OBJECT
private slots:
    void directories_data()
    {
        QTest::addColumn<Mutation>("mutate");
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("problem");
        auto row = [](const char *name, Mutation mutate, int entries, const char *problem) {
            QTest::newRow(name) << mutate << entries << QString::fromUtf8(problem);
        };
        row("whole", [](QByteArray &) {}, 2, "");
        row("none", [](QByteArray &b) { b.clear(); }, 0, "");
        row("cut off at the end", [](QByteArray &b) { b.chop(1); }, 0, "cut off");
        row("cut off in the header", [](QByteArray &b) { b.truncate(40); }, 0,
            "cut off within its header");
        row("bytes after it", [](QByteArray &b) { b.append("x"); }, 0, "follow the bundle");
        row("end damaged", [](QByteArray &b) { b[b.size() - 1] ^= 1; }, 0, "end is damaged");
        row("no bundle, other bytes", [](QByteArray &b) { b = "garbage"; }, 0,
            "follow the program");
        row("a later version", [](QByteArray &b) { poke<quint32>(b, 8, 3); }, 0, "version 3");
        row("directory damaged", [](QByteArray &b) { b[firstEntry + 20] ^= 1; }, 0,
            "directory is damaged");
        row("header damaged", [](QByteArray &b) { poke<quint32>(b, 12, 1); }, 0,
            "directory is damaged");
        row("too many entries", [](QByteArray &b) { poke<quint32>(b, 12, 1000); }, 0,
            "header is damaged");
        row("huge directory", [](QByteArray &b) { poke<quint64>(b, 24, 1ULL << 40); }, 0,
            "header is damaged");
        row("huge bundle size", [](QByteArray &b) { poke<quint64>(b, 16, ~0ULL); }, 0, "cut off");
        auto crafted = [](std::function<void(QByteArray &)> change) {
            return [change](QByteArray &b) {
                change(b);
                rehash(b);
            };
        };
        row("overlapping", crafted([](QByteArray &b) { poke<quint64>(b, sizeField, 500); }), 0,
            "overlap");
        row("huge size", crafted([](QByteArray &b) { poke<quint64>(b, sizeField, 1ULL << 62); }), 0,
            "outside");
        row("size past the end",
            crafted([](QByteArray &b) { poke<quint64>(b, sizeField, ~0ULL - 10); }), 0, "outside");
        row("offset into the directory",
            crafted([](QByteArray &b) { poke<quint64>(b, offsetField, 10); }), 0, "outside");
        row("empty entry", crafted([](QByteArray &b) { poke<quint64>(b, sizeField, 0); }), 0,
            "outside");
        row("unknown key", crafted([](QByteArray &b) { b[64 + 2] = '9'; }), 0, "unknown asset");
        row("a key twice", [](QByteArray &b) {
                Reason problem;
                b = AssetBundle::encode({ { Keys::film, {}, 1, film }, { Keys::film, {}, 1, film } },
                                        &problem);
            }, 0, "twice");
        row("the show's words", [](QByteArray &b) {
                Reason problem;
                b = AssetBundle::encode({ { Keys::words, {}, -1, "velmora-words 1\n" } }, &problem);
            }, 1, "");
        row("more entries than the directory holds",
            crafted([](QByteArray &b) { poke<quint32>(b, 12, 3); }), 0, "3 whole entries");
    }
    void directories()
    {
        QFETCH(Mutation, mutate);
        QFETCH(int, entries);
        QFETCH(QString, problem);
        QByteArray bundle = wholeBundle();
        mutate(bundle);
        const AssetBundle::Directory directory = read(program + bundle);
        QCOMPARE(directory.entries.size(), entries);
        QVERIFY2(problem.isEmpty() ? directory.problem.isEmpty()
                                   : directory.problem.untranslated().contains(problem),
                 qPrintable(directory.problem.untranslated()));
    }

    void eachEntryIsCheckedOnItsOwn()
    {
        QByteArray file = program + wholeBundle();
        file[file.size() - 16 - film.size() - 1] ^= 1; // the song's last byte
        QBuffer buffer(&file);
        buffer.open(QIODevice::ReadOnly);
        const AssetBundle::Directory directory = AssetBundle::readDirectory(buffer, program.size());
        QVERIFY(directory.problem.isEmpty());
        Reason problem;
        QVERIFY(AssetBundle::readEntry(buffer, directory, *directory.find(Keys::music), &problem)
                        .isEmpty());
        QVERIFY(problem.untranslated().contains(QLatin1String("damaged")));
        problem = {};
        QCOMPARE(AssetBundle::readEntry(buffer, directory, *directory.find(Keys::film), &problem),
                 film);
        QVERIFY(problem.isEmpty());
        const AssetBundle::Entry *music = directory.find(Keys::music);
        QCOMPARE(music->sourceName, QStringLiteral("歌.mp3"));
        QCOMPARE(music->durationMs, 6000);
    }

    // Whatever a damaged bundle holds, what is read from it is either refused
    // with a reason or exactly what was carried.
    void randomDamageIsRefusedOrHarmless()
    {
        const QByteArray whole = wholeBundle();
        QRandomGenerator random(20);
        for (int round = 0; round < 3000; ++round) {
            QByteArray file = program + whole;
            for (int flips = 1 + random.bounded(3); flips > 0; --flips)
                file[program.size() + random.bounded(whole.size())] = char(random.bounded(256));
            if (round % 3 == 0)
                file.truncate(program.size() + random.bounded(whole.size()));
            QBuffer buffer(&file);
            buffer.open(QIODevice::ReadOnly);
            const AssetBundle::Directory directory
                    = AssetBundle::readDirectory(buffer, program.size());
            QVERIFY(directory.entries.isEmpty() || directory.problem.isEmpty());
            for (const AssetBundle::Entry &entry : directory.entries) {
                Reason problem;
                const QByteArray bytes = AssetBundle::readEntry(buffer, directory, entry, &problem);
                QVERIFY(problem.isEmpty() ? bytes == (entry.key == Keys::music ? song : film)
                                          : bytes.isEmpty());
            }
        }
    }

    void tooMuchIsNotEncoded()
    {
        QList<AssetBundle::Asset> many(17, { Keys::music, {}, -1, "x" });
        Reason problem;
        QVERIFY(AssetBundle::encode(many, &problem).isEmpty());
        QVERIFY(!problem.isEmpty());
    }

    // Headers that name tables past the file's end: no program, and nothing
    // read beyond what the file holds.
    void elfImages_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<qint64>("end");
        QTest::newRow("a header alone") << elfHeader() << qint64(64);
        QTest::newRow("a segment table of 4 GB") << elfHeader([](QByteArray &elf) {
            poke<quint64>(elf, 0x20, 64);
            poke<quint16>(elf, 0x36, 0xffff);
            poke<quint16>(elf, 0x38, 0xffff);
        }) << qint64(-1);
        QTest::newRow("a section table past the end") << elfHeader([](QByteArray &elf) {
            poke<quint64>(elf, 0x28, 1ULL << 40);
            poke<quint16>(elf, 0x3a, 64);
            poke<quint16>(elf, 0x3c, 1);
        }) << qint64(-1);
        QTest::newRow("a table at a negative place") << elfHeader([](QByteArray &elf) {
            poke<quint64>(elf, 0x20, ~0ULL - 8);
            poke<quint16>(elf, 0x36, 56);
            poke<quint16>(elf, 0x38, 1);
        }) << qint64(-1);
        QTest::newRow("no ELF") << program << qint64(-1);
    }
    void elfImages()
    {
        QFETCH(QByteArray, file);
        QFETCH(qint64, end);
        MeasuredFile measured(file + QByteArray(100, 'x'));
        QCOMPARE(AssetBundle::elfImageEnd(measured), end);
        QVERIFY2(measured.largestRead <= measured.size(), qPrintable(QString::number(measured.largestRead)));
    }

    void programsEndWhereTheirImageEnds()
    {
        QFile self(QCoreApplication::applicationFilePath());
        QVERIFY(self.open(QIODevice::ReadOnly));
        QCOMPARE(AssetBundle::elfImageEnd(self), self.size());
        QBuffer text;
        text.setData(program);
        text.open(QIODevice::ReadOnly);
        QCOMPARE(AssetBundle::elfImageEnd(text), -1);
    }

    // A copy of this test program carrying a song and a background: the show
    // plays and draws them, and falls back on its own when they are damaged.
    void theShowUsesWhatIsWhole()
    {
        QTemporaryDir dir;
        QFile self(QCoreApplication::applicationFilePath());
        QVERIFY(self.open(QIODevice::ReadOnly));
        const QString builtInPicture = dir.filePath(QStringLiteral("built-in.png"));
        QVERIFY(QImage(100, 100, QImage::Format_RGB32).save(builtInPicture));
        QImage picture(797, 501, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QByteArray png;
        QBuffer pngBuffer(&png);
        pngBuffer.open(QIODevice::WriteOnly);
        picture.save(&pngBuffer, "PNG");
        Reason problem;
        const QByteArray bundle = AssetBundle::encode(
                { { Keys::music, {}, 6000, song }, { Keys::background, {}, -1, png } }, &problem);
        const QByteArray builtInMusic = AssetSource().resourceBytes(101, QStringLiteral("CUSTOM"));

        for (const bool damaged : { false, true }) {
            QByteArray file = self.readAll() + bundle;
            self.seek(0);
            if (damaged)
                file[file.size() - 16 - png.size() - 1] ^= 1;
            const QString path = dir.filePath(QStringLiteral("velmora"));
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(file);
            out.close();

            const AssetSource assets(CarriedAssets::of(path), true);
            QCOMPARE(assets.resourceBytes(101, QStringLiteral("CUSTOM")),
                     damaged ? builtInMusic : song);
            QCOMPARE(assets.picture(Keys::background, builtInPicture).size(), QSize(797, 501));
            QCOMPARE(assets.picture(Keys::boy, builtInPicture).size(), QSize(100, 100));
        }
    }

    // A program whose bundle the editor wrote before the assets were named
    // after what they hold: everything it carries is still read.
    void bundlesOfTheFirstVersionAreRead()
    {
        QFile old(QFINDTESTDATA("data/bundle-version-1.bin"));
        QVERIFY(old.open(QIODevice::ReadOnly));
        const AssetBundle::Directory directory = AssetBundle::readDirectory(old, 0);
        QVERIFY2(directory.problem.isEmpty(), qPrintable(directory.problem.untranslated()));
        QStringList keys;
        for (const AssetBundle::Entry &entry : directory.entries) {
            keys << entry.key;
            Reason problem;
            QVERIFY(!AssetBundle::readEntry(old, directory, entry, &problem).isEmpty());
            QVERIFY2(problem.isEmpty(), qPrintable(problem.untranslated()));
        }
        QCOMPARE(keys, (QStringList { Keys::music, Keys::boy, Keys::doubled(Keys::boy) }));
    }
};

QTEST_MAIN(BundleTest)
#include "tst_bundle.moc"
