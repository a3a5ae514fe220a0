// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/reason.h"

#include <QByteArray>
#include <QList>
#include <QString>

class QIODevice;

// The preparer's own music, film, pictures and words, carried after the end of the
// program file in one bundle:
//
//   header     magic "VMASSETS", version, entry count, bundle size,
//              directory size, SHA-256 of the header's first 32 bytes and
//              the directory (64 bytes in all, little-endian)
//   directory  per entry: key, the name of the file it came from, its length
//              in milliseconds (-1 for a picture), offset from the bundle's
//              start, size, SHA-256 of the bytes (a text is its length in
//              16 bits, then UTF-8)
//   payloads   the bytes, each entry's once
//   trailer    the bundle's size and the magic again (16 bytes), which
//              tells a bundle cut short or followed by other bytes
//
// Nothing in a bundle is ever run: the bytes are handed out only as the media
// and pictures they replace, and only once their checksum holds.
namespace AssetBundle {

inline constexpr char magic[] = "VMASSETS";
// Version 1 named the assets after the controls and resources they replaced
// ("101", "Picture2"); they are read under today's names.
constexpr quint32 version = 2;
constexpr qint64 headerSize = 64;
constexpr qint64 trailerSize = 16;
constexpr qint64 maxPayloadBytes = 200LL * 1024 * 1024;
constexpr qint64 maxDirectoryBytes = 64 * 1024;

// What an entry holds; each picture has a second one for twice the pixels,
// and a third for four times where its own pixels hold that many.
namespace Keys {
inline const QString music = QStringLiteral("music");
inline const QString film = QStringLiteral("film");
inline const QString background = QStringLiteral("background");
inline const QString boy = QStringLiteral("boy");
inline const QString girl = QStringLiteral("girl");
// The show's own texts, its address and its buttons' language.
inline const QString words = QStringLiteral("words");
// How fast the letter and the declaration are typed.
inline const QString pace = QStringLiteral("pace");
// The preparer's typefaces: an installed family's name or a font file.
inline const QString letterTypeface = QStringLiteral("letter.typeface");
inline const QString declarationTypeface = QStringLiteral("declaration.typeface");
inline QString doubled(const QString &pictureKey) { return pictureKey + QLatin1String("@2x"); }
inline QString fourfold(const QString &pictureKey) { return pictureKey + QLatin1String("@4x"); }
bool isKnown(const QString &key);
// "the music", "the walking figure at twice the size", ...
Reason describe(const QString &key);
// The key of the program's resource that an asset replaces ("CUSTOM" 101 is
// the music); empty for a resource no asset replaces.
QString ofResource(int number, const QString &typeName);
} // namespace Keys

struct Entry
{
    QString key;
    QString sourceName; // the file the preparer chose, for the editor to show
    qint64 durationMs = -1;
    qint64 offset = 0; // from the bundle's start
    qint64 size = 0;
    QByteArray sha256;
};

// The directory of the bundle that follows a program, as far as it can be
// trusted. `problem` says why none of it is used; a program with nothing after
// it has no entries and no problem.
struct Directory
{
    qint64 start = 0; // where the program ends and the bundle begins
    QList<Entry> entries;
    Reason problem;

    const Entry *find(const QString &key) const;
};

// Reads the bundle that begins at `start` and runs to the end of `device`.
Directory readDirectory(QIODevice &device, qint64 start);
// The bytes of one entry, or an empty array and a problem when they cannot be
// read whole or their checksum fails.
QByteArray readEntry(QIODevice &device, const Directory &directory, const Entry &entry,
                     Reason *problem);

// An asset to carry: the bytes and what to say about them.
struct Asset
{
    QString key;
    QString sourceName;
    qint64 durationMs = -1;
    QByteArray bytes;
};
// The whole bundle for `assets`, or an empty array and a problem when they
// are too many or too large.
QByteArray encode(const QList<Asset> &assets, Reason *problem);

// Where an ELF program ends: the furthest byte of its headers, segments and
// sections. -1 when the device does not hold a 64-bit little-endian ELF file.
qint64 elfImageEnd(QIODevice &device);

} // namespace AssetBundle
