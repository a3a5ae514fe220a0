// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the bundle target's seeds into a folder: small programs carrying
// bundles made by the encoder the editor uses, so that the seeds follow the
// format as it is today.
// usage: bundle_seeds FOLDER
#include "runtime/assetbundle.h"
#include "stage/wordsfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QtEndian>

#include <cstdio>

namespace {
namespace Keys = AssetBundle::Keys;

template<typename T> void put(QByteArray &bytes, qsizetype at, T value)
{
    qToLittleEndian(value, bytes.data() + at);
}

// The smallest program the show's reader takes: a 64-bit little-endian ELF
// header and nothing else.
QByteArray bareElf()
{
    QByteArray elf(64, '\0');
    elf.replace(0, 6, "\x7f" "ELF\x02\x01");
    return elf;
}

// An ELF image with a segment and two sections, one of which (NOBITS) takes
// no room in the file.
QByteArray elfWithTables()
{
    constexpr int segmentRow = 56, sectionRow = 64, blob = 16;
    constexpr int segments = 64, sections = segments + segmentRow;
    constexpr int blobAt = sections + 2 * sectionRow, end = blobAt + blob;
    QByteArray elf = bareElf() + QByteArray(end - 64, '\0');
    put<quint64>(elf, 0x20, segments);
    put<quint64>(elf, 0x28, sections);
    put<quint16>(elf, 0x36, segmentRow);
    put<quint16>(elf, 0x38, 1);
    put<quint16>(elf, 0x3a, sectionRow);
    put<quint16>(elf, 0x3c, 2);
    put<quint64>(elf, segments + 0x20, end); // the segment's size in the file
    put<quint32>(elf, sections + 4, 1); // PROGBITS
    put<quint64>(elf, sections + 0x18, blobAt);
    put<quint64>(elf, sections + 0x20, blob);
    put<quint32>(elf, sections + sectionRow + 4, 8); // NOBITS
    put<quint64>(elf, sections + sectionRow + 0x20, 1 << 20);
    return elf;
}

QByteArray bundleOf(const QList<AssetBundle::Asset> &assets)
{
    Reason problem;
    const QByteArray bundle = AssetBundle::encode(assets, &problem);
    if (bundle.isEmpty())
        std::fprintf(stderr, "bundle_seeds: %s\n", qPrintable(problem.untranslated()));
    return bundle;
}

QByteArray wordsEntry()
{
    Words words;
    words.caption = QStringLiteral("Walk with me, Ada");
    words.question = Words::twoLines(QStringLiteral("Will you"), QStringLiteral("take the last step?"));
    words.address = QStringLiteral("https://example.org/thanks?from=velmora");
    words.buttons = QStringLiteral("en");
    return WordsFile::toEntry(words);
}

// Written before the assets were named after what they hold.
QByteArray versionOneBundle()
{
    QByteArray bundle = bundleOf({ { QStringLiteral("101"), QStringLiteral("song.mp3"), 1500, "ID3" },
                                   { QStringLiteral("Picture2@2x"), {}, -1, "\x89PNG" } });
    put<quint32>(bundle, 8, 1);
    bundle.replace(32, 32, QCryptographicHash::hash(
            bundle.first(32) + bundle.mid(64, qFromLittleEndian<quint64>(bundle.constData() + 24)),
            QCryptographicHash::Sha256));
    return bundle;
}

QList<AssetBundle::Asset> everyKey()
{
    QList<AssetBundle::Asset> assets { { Keys::music, QStringLiteral("歌.mp3"), 6000, "ID3" },
                                       { Keys::film, QStringLiteral("a.avi"), 3000, "RIFF" },
                                       { Keys::words, {}, -1, WordsFile::toEntry(Words()) } };
    for (const QString &picture : { Keys::background, Keys::boy, Keys::girl }) {
        assets.append({ picture, picture + QStringLiteral(".png"), -1, "\x89PNG" });
        assets.append({ Keys::doubled(picture), {}, -1, "\x89PNG\r\n" });
    }
    return assets;
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: bundle_seeds FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QList<std::pair<const char *, QByteArray>> seeds {
        { "bare-program", bareElf() },
        { "words", elfWithTables() + bundleOf({ { Keys::words, QStringLiteral("words.txt"), -1, wordsEntry() } }) },
        { "damaged-words", bareElf() + bundleOf({ { Keys::words, {}, -1, wordsEntry() + "later = x\n" } }) },
        { "every-key", bareElf() + bundleOf(everyKey()) },
        { "version-1", bareElf() + versionOneBundle() },
    };
    for (const auto &[name, bytes] : seeds) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "bundle_seeds: cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
