// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/filetable.h"

#include "runtime/codepage.h"
#include "runtime/runtimeerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace {
constexpr int firstFileNumber = 1;
constexpr int lastFileNumber = 511;

[[noreturn]] void raiseOpenError(const QString &path)
{
    const QFileInfo info(path);
    if (!info.dir().exists())
        raiseError(ErrorNumber::PathNotFound, path);
    raiseError(ErrorNumber::PathFileAccessError, path);
}

[[noreturn]] void raiseWriteError(const QFile &file)
{
    const int number = errno == ENOSPC || errno == EDQUOT ? ErrorNumber::DiskFull
                                                          : ErrorNumber::DeviceIoError;
    raiseError(number, file.fileName());
}
} // namespace

FileTable::FileTable() = default;
FileTable::~FileTable() = default;

void FileTable::openForOutput(const QString &path, int fileNumber)
{
    open(path, fileNumber, true);
}

void FileTable::openForBinary(const QString &path, int fileNumber)
{
    open(path, fileNumber, false);
}

void FileTable::open(const QString &path, int fileNumber, bool truncate)
{
    if (fileNumber < firstFileNumber || fileNumber > lastFileNumber)
        raiseError(ErrorNumber::BadFileNameOrNumber, path);
    if (isOpen(fileNumber))
        raiseError(ErrorNumber::FileAlreadyOpen, path);
    if (QFileInfo(path).isDir())
        raiseOpenError(path);

    auto file = std::make_unique<QFile>(path);
    const QIODevice::OpenMode unbuffered = QIODevice::Unbuffered;
    bool opened = truncate ? file->open(QIODevice::WriteOnly | QIODevice::Truncate | unbuffered)
                           : file->open(QIODevice::ReadWrite | unbuffered);
    if (!opened && !truncate && file->exists())
        opened = file->open(QIODevice::ReadOnly | unbuffered);
    if (!opened)
        raiseOpenError(path);
    m_files[fileNumber] = std::move(file);
}

void FileTable::printLine(int fileNumber, const QString &text)
{
    writeBytes(fileNumber, CodePage::toAnsi(text) + "\r\n");
}

qint64 FileTable::fileLength(int fileNumber) const
{
    return openFile(fileNumber).size();
}

void FileTable::readText(int fileNumber, QString &variable)
{
    QFile &file = openFile(fileNumber);
    const QByteArray bytes = file.read(variable.size());
    if (bytes.size() < variable.size() && file.error() != QFileDevice::NoError)
        raiseError(ErrorNumber::DeviceIoError, file.fileName());
    variable = CodePage::fromFileBytes(bytes);
}

void FileTable::writeBytes(int fileNumber, const QByteArray &bytes)
{
    QFile &file = openFile(fileNumber);
    if (!file.isWritable())
        raiseError(ErrorNumber::BadFileNameOrNumber, file.fileName());
    if (file.write(bytes) != bytes.size())
        raiseWriteError(file);
}

void FileTable::closeFile(int fileNumber)
{
    const auto it = m_files.find(fileNumber);
    if (it == m_files.end())
        return;
    const std::unique_ptr<QFile> file = std::move(it->second);
    m_files.erase(it);
    if (!file->flush() && file->isWritable())
        raiseWriteError(*file);
    file->close();
}

void FileTable::closeAll()
{
    m_files.clear();
}

bool FileTable::isOpen(int fileNumber) const
{
    return m_files.count(fileNumber) != 0;
}

QFile &FileTable::openFile(int fileNumber) const
{
    const auto it = m_files.find(fileNumber);
    if (it == m_files.end())
        raiseError(ErrorNumber::BadFileNameOrNumber);
    return *it->second;
}
