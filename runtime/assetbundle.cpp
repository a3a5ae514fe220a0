// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/assetbundle.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QIODevice>
#include <QtEndian>

#include <algorithm>
#include <optional>

namespace AssetBundle {

bool Keys::isKnown(const QString &key)
{
    for (const QString &picture : { background, boy, girl })
        if (key == picture || key == doubled(picture) || key == fourfold(picture))
            return true;
    return key == music || key == film || key == words || key == pace || key == letterTypeface
            || key == declarationTypeface;
}

QString Keys::ofResource(int number, const QString &typeName)
{
    if (typeName != QLatin1String("CUSTOM"))
        return {};
    return number == 101 ? music : number == 102 ? film : QString();
}

Reason Keys::describe(const QString &key)
{
    const std::pair<QString, const char *> names[] {
        { music, QT_TRANSLATE_NOOP("Reason", "the music") },
        { film, QT_TRANSLATE_NOOP("Reason", "the film") },
        { background, QT_TRANSLATE_NOOP("Reason", "the background") },
        { boy, QT_TRANSLATE_NOOP("Reason", "the walking figure") },
        { girl, QT_TRANSLATE_NOOP("Reason", "the waiting figure") },
        { words, QT_TRANSLATE_NOOP("Reason", "the show's words") },
        { pace, QT_TRANSLATE_NOOP("Reason", "the show's pace") },
        { letterTypeface, QT_TRANSLATE_NOOP("Reason", "the letter's typeface") },
        { declarationTypeface, QT_TRANSLATE_NOOP("Reason", "the declaration's typeface") },
    };
    for (const auto &[known, name] : names) {
        if (key == known)
            return Reason(name);
        if (key == doubled(known))
            return Reason(QT_TRANSLATE_NOOP("Reason", "%1 at twice the size")).arg(Reason(name));
        if (key == fourfold(known))
            return Reason(QT_TRANSLATE_NOOP("Reason", "%1 at four times the size")).arg(Reason(name));
    }
    return Reason(QT_TRANSLATE_NOOP("Reason", "\"%1\"")).arg(key);
}

const Entry *Directory::find(const QString &key) const
{
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const Entry &entry) { return entry.key == key; });
    return found == entries.end() ? nullptr : &*found;
}

namespace {
constexpr qint64 hashSize = 32;
constexpr qint64 headerHashedBytes = 32;
constexpr int maxEntries = 16;
constexpr int maxTextBytes = 1024;

QByteArray sha256(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

// Every number in a bundle is little-endian.
void littleEndian(QDataStream &stream)
{
    stream.setByteOrder(QDataStream::LittleEndian);
}

// `count` bytes read from untrusted data; a read past the end fails the stream.
QByteArray take(QDataStream &in, qint64 count)
{
    QByteArray bytes;
    if (count < 0 || count > maxDirectoryBytes) {
        in.setStatus(QDataStream::ReadCorruptData);
        return bytes;
    }
    bytes.resize(count);
    if (in.readRawData(bytes.data(), int(count)) != count)
        in.setStatus(QDataStream::ReadPastEnd);
    return bytes;
}

QString takeText(QDataStream &in)
{
    quint16 length = 0;
    in >> length;
    if (length > maxTextBytes)
        in.setStatus(QDataStream::ReadCorruptData);
    return QString::fromUtf8(take(in, in.status() == QDataStream::Ok ? length : 0));
}

void putText(QDataStream &out, const QString &text)
{
    QByteArray utf8 = text.toUtf8().left(maxTextBytes);
    // Never end in the middle of a character.
    while (!utf8.isEmpty() && QString::fromUtf8(utf8).toUtf8() != utf8)
        utf8.chop(1);
    out << quint16(utf8.size());
    out.writeRawData(utf8.constData(), int(utf8.size()));
}

QByteArray trailer(quint64 bundleSize)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    littleEndian(out);
    out << bundleSize;
    out.writeRawData(magic, 8);
    return bytes;
}

// Version 1's keys, by the controls and resources the assets replaced.
QString todaysKey(const QString &versionOneKey)
{
    static const QList<std::pair<QString, QString>> renamed {
        { QStringLiteral("101"), Keys::music },        { QStringLiteral("102"), Keys::film },
        { QStringLiteral("Picture1"), Keys::background }, { QStringLiteral("Picture2"), Keys::boy },
        { QStringLiteral("Picture3"), Keys::girl },
    };
    for (const auto &[old, today] : renamed) {
        if (versionOneKey == old)
            return today;
        if (versionOneKey == Keys::doubled(old))
            return Keys::doubled(today);
    }
    return versionOneKey;
}

// Places and counts come from untrusted headers: what lies past the device's
// end is refused before a buffer as large is made for it.
std::optional<QByteArray> readAt(QIODevice &device, qint64 offset, qint64 count)
{
    const qint64 size = device.size();
    if (offset < 0 || count < 0 || offset > size || count > size - offset || !device.seek(offset))
        return std::nullopt;
    QByteArray bytes = device.read(count);
    if (bytes.size() != count)
        return std::nullopt;
    return bytes;
}

QString megabytes(qint64 bytes)
{
    return QStringLiteral("%1 MB").arg(double(bytes) / (1024 * 1024), 0, 'f', 1);
}

// Every entry lies in the payload area, apart from the others, within bounds.
Reason checkEntries(const QList<Entry> &entries, qint64 payloadStart, qint64 bundleSize)
{
    qint64 total = 0;
    QList<std::pair<qint64, qint64>> spans;
    for (const Entry &entry : entries) {
        if (!Keys::isKnown(entry.key))
            return Reason(QT_TRANSLATE_NOOP("Reason", "it carries an unknown asset \"%1\"")).arg(entry.key);
        if (std::count_if(entries.begin(), entries.end(),
                          [&](const Entry &other) { return other.key == entry.key; })
            > 1)
            return Reason(QT_TRANSLATE_NOOP("Reason", "it carries %1 twice")).arg(Keys::describe(entry.key));
        if (entry.size <= 0 || entry.size > maxPayloadBytes || entry.offset < payloadStart
            || entry.offset > bundleSize || entry.size > bundleSize - entry.offset)
            return Reason(QT_TRANSLATE_NOOP("Reason", "the place of %1 lies outside the bundle"))
                    .arg(Keys::describe(entry.key));
        total += entry.size;
        spans.append({ entry.offset, entry.offset + entry.size });
    }
    if (total > maxPayloadBytes)
        return Reason(QT_TRANSLATE_NOOP("Reason", "its assets come to %1, more than the %2 allowed"))
                .arg(megabytes(total)).arg(megabytes(maxPayloadBytes));
    std::sort(spans.begin(), spans.end());
    for (qsizetype i = 1; i < spans.size(); ++i)
        if (spans[i].first < spans[i - 1].second)
            return Reason(QT_TRANSLATE_NOOP("Reason", "two of its assets overlap"));
    return {};
}

Reason readEntries(const QByteArray &directoryBytes, quint32 count, quint32 bundleVersion,
                    qint64 payloadStart, qint64 bundleSize, QList<Entry> &entries)
{
    QDataStream in(directoryBytes);
    littleEndian(in);
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        Entry entry;
        entry.key = takeText(in);
        if (bundleVersion == 1)
            entry.key = todaysKey(entry.key);
        entry.sourceName = takeText(in);
        quint64 offset = 0, size = 0;
        in >> entry.durationMs >> offset >> size;
        entry.offset = qint64(std::min<quint64>(offset, quint64(INT64_MAX)));
        entry.size = qint64(std::min<quint64>(size, quint64(INT64_MAX)));
        entry.sha256 = take(in, hashSize);
        entries.append(entry);
    }
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return Reason(QT_TRANSLATE_NOOP("Reason", "its directory does not hold %1 whole entries")).arg(count);
    return checkEntries(entries, payloadStart, bundleSize);
}

Directory rejected(qint64 start, const Reason &problem)
{
    Directory directory;
    directory.start = start;
    directory.problem = problem;
    return directory;
}
} // namespace

Directory readDirectory(QIODevice &device, qint64 start)
{
    const qint64 available = device.size() - start;
    if (available <= 0)
        return rejected(start, {});
    const auto header = readAt(device, start, std::min(available, headerSize));
    if (!header)
        return rejected(start, Reason(QT_TRANSLATE_NOOP("Reason", "the program file cannot be read")));
    if (!header->startsWith(QByteArray::fromRawData(magic, 8)))
        return rejected(start, Reason(QT_TRANSLATE_NOOP("Reason", "%1 unknown bytes follow the program")).arg(available));
    if (available < headerSize)
        return rejected(start, Reason(QT_TRANSLATE_NOOP("Reason", "the bundle is cut off within its header")));

    QDataStream fields(*header);
    littleEndian(fields);
    fields.skipRawData(8);
    quint32 bundleVersion = 0, count = 0;
    quint64 bundleSize = 0, directorySize = 0;
    fields >> bundleVersion >> count >> bundleSize >> directorySize;
    const QByteArray headerHash = take(fields, hashSize);

    if (bundleVersion != version && bundleVersion != 1)
        return rejected(start, Reason(QT_TRANSLATE_NOOP("Reason", "the bundle is of version %1; this program reads versions 1 to %2"))
                                       .arg(bundleVersion)
                                       .arg(version));
    if (bundleSize > quint64(available))
        return rejected(start, Reason(QT_TRANSLATE_NOOP("Reason", "the bundle is cut off: %1 of its %2 bytes are there"))
                                       .arg(available)
                                       .arg(bundleSize));
    if (bundleSize < quint64(available))
        return rejected(start, Reason(QT_TRANSLATE_NOOP("Reason", "%1 unknown bytes follow the bundle"))
                                       .arg(quint64(available) - bundleSize));
    if (count > quint32(maxEntries) || directorySize > quint64(maxDirectoryBytes)
        || bundleSize < headerSize + trailerSize
        || directorySize > bundleSize - headerSize - trailerSize)
        return rejected(start, Reason(QT_TRANSLATE_NOOP("Reason", "its header is damaged")));
    if (readAt(device, start + qint64(bundleSize) - trailerSize, trailerSize)
        != trailer(bundleSize))
        return rejected(start, Reason(QT_TRANSLATE_NOOP("Reason", "its end is damaged")));

    const auto directoryBytes = readAt(device, start + headerSize, qint64(directorySize));
    if (!directoryBytes)
        return rejected(start, Reason(QT_TRANSLATE_NOOP("Reason", "the program file cannot be read")));
    if (sha256(header->left(headerHashedBytes) + *directoryBytes) != headerHash)
        return rejected(start, Reason(QT_TRANSLATE_NOOP("Reason", "its directory is damaged (the checksum does not match)")));

    Directory directory;
    directory.start = start;
    const Reason problem = readEntries(*directoryBytes, count, bundleVersion,
                                        headerSize + qint64(directorySize),
                                        qint64(bundleSize) - trailerSize, directory.entries);
    if (!problem.isEmpty())
        return rejected(start, problem);
    return directory;
}

QByteArray readEntry(QIODevice &device, const Directory &directory, const Entry &entry,
                     Reason *problem)
{
    const auto bytes = readAt(device, directory.start + entry.offset, entry.size);
    if (!bytes) {
        *problem = Reason(QT_TRANSLATE_NOOP("Reason", "%1 cannot be read whole")).arg(Keys::describe(entry.key));
        return {};
    }
    if (sha256(*bytes) != entry.sha256) {
        *problem = Reason(QT_TRANSLATE_NOOP("Reason", "%1 is damaged (the checksum does not match)"))
                           .arg(Keys::describe(entry.key));
        return {};
    }
    return *bytes;
}

QByteArray encode(const QList<Asset> &assets, Reason *problem)
{
    qint64 total = 0;
    for (const Asset &asset : assets)
        total += asset.bytes.size();
    if (assets.size() > maxEntries || total > maxPayloadBytes) {
        *problem = Reason(QT_TRANSLATE_NOOP("Reason", "the assets come to %1, more than the %2 a program may carry"))
                           .arg(megabytes(total)).arg(megabytes(maxPayloadBytes));
        return {};
    }
    // The directory's size is known before the offsets it holds.
    qint64 directorySize = 0;
    for (const Asset &asset : assets) {
        QByteArray names;
        QDataStream out(&names, QIODevice::WriteOnly);
        putText(out, asset.key);
        putText(out, asset.sourceName);
        directorySize += names.size() + 8 + 8 + 8 + hashSize;
    }
    QByteArray directory;
    QDataStream entries(&directory, QIODevice::WriteOnly);
    littleEndian(entries);
    qint64 offset = headerSize + directorySize;
    for (const Asset &asset : assets) {
        putText(entries, asset.key);
        putText(entries, asset.sourceName);
        entries << asset.durationMs << quint64(offset) << quint64(asset.bytes.size());
        const QByteArray hash = sha256(asset.bytes);
        entries.writeRawData(hash.constData(), int(hash.size()));
        offset += asset.bytes.size();
    }

    const qint64 bundleSize = offset + trailerSize;
    QByteArray bundle;
    bundle.reserve(bundleSize);
    QDataStream header(&bundle, QIODevice::WriteOnly);
    littleEndian(header);
    header.writeRawData(magic, 8);
    header << version << quint32(assets.size()) << quint64(bundleSize) << quint64(directory.size());
    bundle.append(sha256(bundle + directory));
    bundle.append(directory);
    for (const Asset &asset : assets)
        bundle.append(asset.bytes);
    return bundle.append(trailer(quint64(bundleSize)));
}

qint64 elfImageEnd(QIODevice &device)
{
    const auto header = readAt(device, 0, 64);
    if (!header || !header->startsWith("\x7f"
                                       "ELF\x02\x01"))
        return -1;
    QDataStream fields(*header);
    littleEndian(fields);
    fields.skipRawData(0x20);
    quint64 phoff = 0, shoff = 0;
    quint16 phentsize = 0, phnum = 0, shentsize = 0, shnum = 0;
    fields >> phoff >> shoff;
    fields.skipRawData(4 + 2); // flags, header size
    fields >> phentsize >> phnum >> shentsize >> shnum;

    quint64 end = 64;
    end = std::max(end, phoff + quint64(phentsize) * phnum);
    end = std::max(end, shoff + quint64(shentsize) * shnum);
    // Each segment's and each section's bytes in the file.
    const auto tables = { std::tuple { phoff, phentsize, phnum, 0x08, 0x20, false },
                          std::tuple { shoff, shentsize, shnum, 0x18, 0x20, true } };
    for (const auto &[tableOffset, entrySize, entryCount, offsetField, sizeField, sections] : tables) {
        if (entryCount == 0)
            continue;
        const auto table = readAt(device, qint64(tableOffset), qint64(entrySize) * entryCount);
        if (!table || entrySize < sizeField + 8)
            return -1;
        for (int i = 0; i < entryCount; ++i) {
            const char *row = table->constData() + i * entrySize;
            constexpr quint32 noBits = 8; // a section that takes no room in the file
            if (sections && qFromLittleEndian<quint32>(row + 4) == noBits)
                continue;
            const auto offset = qFromLittleEndian<quint64>(row + offsetField);
            const auto size = qFromLittleEndian<quint64>(row + sizeField);
            if (size > UINT64_MAX - offset)
                return -1;
            end = std::max(end, offset + size);
        }
    }
    return end > quint64(device.size()) ? -1 : qint64(end);
}

} // namespace AssetBundle
