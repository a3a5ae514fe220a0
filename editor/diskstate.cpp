// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/diskstate.h"

#include <QCryptographicHash>
#include <QFile>

#include <sys/stat.h>

DiskState DiskState::of(const QString &path)
{
    DiskState state;
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return state;
    state.exists = true;
    state.size = info.st_size;
    state.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    state.changedNs = qint64(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec;
    state.device = info.st_dev;
    state.inode = info.st_ino;
    if (S_ISREG(info.st_mode) && info.st_size <= checksumLimit) {
        QFile file(path);
        QCryptographicHash hash(QCryptographicHash::Sha1);
        if (file.open(QIODevice::ReadOnly) && hash.addData(&file))
            state.checksum = hash.result();
    }
    return state;
}
