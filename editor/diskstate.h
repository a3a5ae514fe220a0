// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// What a file on disk is at one moment, to tell whether someone else has
// changed it since: whether it is there, its size, its times, which file it is,
// and for a small file a checksum of its bytes (a change within one tick of
// the clock that keeps the size keeps the times too on some file systems).
struct DiskState
{
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0; // the inode's change time: a rename or a write moves it
    quint64 device = 0;
    quint64 inode = 0;
    QByteArray checksum; // of files up to checksumLimit bytes

    static constexpr qint64 checksumLimit = 4 * 1024 * 1024;
    // Follows a symbolic link to its file, as the show does when it reads.
    static DiskState of(const QString &path);

    bool operator==(const DiskState &other) const = default;
};
