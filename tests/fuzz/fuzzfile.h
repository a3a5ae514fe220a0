// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share: a property that does not hold ends the run
// with the input kept, and bytes become a file the readers open by its path.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

inline void require(bool holds)
{
    if (!holds)
        std::abort();
}

// The bytes as a file in memory, reachable by a path while it lives: the
// readers open their files themselves, and a file on disk would make every
// run pay for the disk.
class FileInMemory
{
public:
    explicit FileInMemory(const QByteArray &bytes)
        : m_fd(memfd_create("fuzzed", 0))
    {
        require(m_fd >= 0);
        require(write(m_fd, bytes.constData(), size_t(bytes.size())) == bytes.size());
    }
    ~FileInMemory() { close(m_fd); }
    FileInMemory(const FileInMemory &) = delete;
    FileInMemory &operator=(const FileInMemory &) = delete;

    QString path() const { return QStringLiteral("/proc/self/fd/%1").arg(m_fd); }

private:
    int m_fd;
};
