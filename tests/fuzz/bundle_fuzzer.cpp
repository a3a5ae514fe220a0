// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as the show's program file, read as the show
// reads itself when it starts (where the ELF image ends, the bundle's header,
// trailer and directory, each entry and the words) and as the editor's
// --check describes the words. A random input rarely gets past a checksum,
// so each is read a second time with its sizes and checksums made good.
#include "editor/wordscommands.h"
#include "fuzzfile.h"
#include "runtime/assetbundle.h"
#include "runtime/carriedassets.h"
#include "stage/buttonwords.h"
#include "stage/wordsfile.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QtEndian>

#include <cstdint>

namespace {
using AssetBundle::headerSize;
using AssetBundle::trailerSize;

QByteArray sha256(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

template<typename T> T numberAt(const QByteArray &bytes, qint64 at)
{
    return qFromLittleEndian<T>(bytes.constData() + at);
}

qint64 programEnd(const QByteArray &file)
{
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    return AssetBundle::elfImageEnd(buffer);
}

// Each entry's checksum over the bytes its offset and size name, where they
// lie in the file; the directory's layout as assetbundle.h describes it.
void makeEntryChecksumsGood(QByteArray &file, qint64 start, qint64 directoryEnd)
{
    const quint32 count = numberAt<quint32>(file, start + 12);
    qint64 at = start + headerSize;
    for (quint32 i = 0; i < count && i < 64; ++i) {
        for (int text = 0; text < 2; ++text) {
            if (at + 2 > directoryEnd)
                return;
            at += 2 + numberAt<quint16>(file, at);
        }
        constexpr qint64 duration = 8, numbers = 24, hash = 32;
        if (at + numbers + hash > directoryEnd)
            return;
        const auto offset = numberAt<quint64>(file, at + duration);
        const auto size = numberAt<quint64>(file, at + duration + 8);
        const quint64 available = quint64(file.size() - start);
        if (offset <= available && size <= available - offset)
            file.replace(at + numbers, hash,
                         sha256(QByteArrayView(file).sliced(start + qint64(offset), qint64(size))));
        at += numbers + hash;
    }
}

// The bundle after the program, with its size, trailer and checksums
// holding, so that what the directory and the entries say is read.
QByteArray withSizesAndChecksumsMadeGood(QByteArray file)
{
    const qint64 start = programEnd(file);
    const qint64 available = file.size() - start;
    if (start < 0 || available < headerSize + trailerSize
        || !file.sliced(start).startsWith(AssetBundle::magic))
        return file;
    qToLittleEndian<quint64>(quint64(available), file.data() + start + 16);
    file.replace(file.size() - trailerSize, 8, file.constData() + start + 16, 8);
    file.replace(file.size() - 8, 8, AssetBundle::magic, 8);
    const qint64 directorySize = qint64(std::min<quint64>(numberAt<quint64>(file, start + 24),
                                                          quint64(available - headerSize)));
    makeEntryChecksumsGood(file, start, start + headerSize + directorySize);
    file.replace(start + 32, 32,
                 sha256(file.sliced(start, 32) + file.sliced(start + headerSize, directorySize)));
    return file;
}

// What the editor does when it rewrites the program: the entries read are
// carried again and read back the same.
void carriedAgainAlike(const CarriedAssets &carried)
{
    QList<AssetBundle::Asset> assets;
    for (const AssetBundle::Entry &entry : carried.entries())
        if (const auto bytes = carried.bytes(entry.key))
            assets.append({ entry.key, entry.sourceName, entry.durationMs, *bytes });
    if (assets.isEmpty())
        return;
    Reason problem;
    const QByteArray bundle = AssetBundle::encode(assets, &problem);
    require(problem.isEmpty());
    QBuffer buffer;
    buffer.setData(bundle);
    buffer.open(QIODevice::ReadOnly);
    const AssetBundle::Directory again = AssetBundle::readDirectory(buffer, 0);
    require(again.problem.isEmpty() && again.entries.size() == assets.size());
    for (qsizetype i = 0; i < assets.size(); ++i) {
        const AssetBundle::Entry &entry = again.entries[i];
        require(entry.key == assets[i].key && entry.durationMs == assets[i].durationMs);
        // A name longer than a directory holds is cut short, never made up.
        require(assets[i].sourceName.startsWith(entry.sourceName));
        require(AssetBundle::readEntry(buffer, again, entry, &problem) == assets[i].bytes);
    }
}

// The show's words, or the defaults with a reason; what is taken is what
// the show can say and what the editor carries again alike.
void wordsAsTheShowTakesThem(const CarriedAssets &carried)
{
    Reason problem;
    const Words words = WordsFile::carriedBy(carried, &problem);
    if (!problem.isEmpty()) {
        require(words == Words());
        return;
    }
    // A caption or title of several lines, carried from before the one-line
    // rule, is still taken; nothing else the show could not use is.
    for (const WordsField &field : WordsField::all()) {
        const QString &value = words.*field.member;
        require(field.refusal(value).isEmpty() || field.breaksOneLine(value));
    }
    require(WordsFile::fromEntry(WordsFile::toEntry(words), &problem) == words && problem.isEmpty());
    ButtonWords::forLanguage(words.buttons, &problem);
    describeWords(carried);
}

// `wholeOnceMadeGood`: every entry of a directory that is taken reads whole.
void readAsTheShowDoes(const QByteArray &file, bool wholeOnceMadeGood)
{
    const FileInMemory program(file);
    const CarriedAssets carried = CarriedAssets::of(program.path());
    require(carried.entries().isEmpty() || carried.problem().isEmpty());
    for (const AssetBundle::Entry &entry : carried.entries()) {
        Reason problem;
        const auto bytes = carried.bytes(entry.key, &problem);
        if (bytes)
            require(problem.isEmpty() && bytes->size() == entry.size);
        else
            require(!problem.isEmpty() && !wholeOnceMadeGood);
    }
    wordsAsTheShowTakesThem(carried);
    carriedAgainAlike(carried);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file(reinterpret_cast<const char *>(data), qsizetype(size));
    readAsTheShowDoes(file, false);
    const QByteArray madeGood = withSizesAndChecksumsMadeGood(file);
    if (madeGood != file)
        readAsTheShowDoes(madeGood, true);
    return 0;
}
