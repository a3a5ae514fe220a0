// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <map>
#include <memory>

class QFile;

// Files opened by number, as the show's handlers use them. Every failure
// raises a run-time error carrying the host's number for it.
class FileTable
{
public:
    FileTable();
    ~FileTable();

    // Creates the file, or empties it if it exists.
    void openForOutput(const QString &path, int fileNumber);
    // Creates a missing file empty; never shortens an existing one. A file
    // that may only be read is opened for reading.
    void openForBinary(const QString &path, int fileNumber);

    // The text in the ANSI code page, then CR LF.
    void printLine(int fileNumber, const QString &text);
    qint64 fileLength(int fileNumber) const;
    // Reads as many bytes as `variable` has characters and decodes them into it.
    void readText(int fileNumber, QString &variable);
    void closeFile(int fileNumber);

    void closeAll();
    bool isOpen(int fileNumber) const;

private:
    QFile &openFile(int fileNumber) const;
    void writeBytes(int fileNumber, const QByteArray &bytes);
    void open(const QString &path, int fileNumber, bool truncate);

    std::map<int, std::unique_ptr<QFile>> m_files;
};
