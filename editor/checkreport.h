#pragma once

#include <QString>

// The editor's analysis of a folder without a window, in the compilers' form
// (`FILE:LINE: message`). Writes nothing.
struct CheckReport
{
    enum ExitCode { Clean = 0, HasWarnings = 1, Unreadable = 2 };

    int exitCode = Clean;
    QString output; // for standard output
    QString errors; // for standard error
};

CheckReport checkFolder(const QString &folder);

// Why the editor cannot open `folder` (it is missing, a file, or closed to
// this user), in a line; empty when it can.
QString whyFolderCannotBeOpened(const QString &folder);
