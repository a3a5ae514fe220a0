// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/outcome.h"

#include <QString>

// The editor's analysis of a folder without a window, in the compilers' form
// (`FILE:LINE: message`). Writes nothing.
struct CheckReport
{
    enum ExitCode { Clean = 0, HasWarnings = 1, Unreadable = 2 };

    int exitCode = Clean;
    QString output; // for standard output
    QString errors; // for standard error

    // A run that could not be made, for `problem`.
    static CheckReport failure(const QString &problem)
    {
        return { Unreadable, {}, QStringLiteral("velmora-editor: %1\n").arg(problem) };
    }
};

CheckReport checkFolder(const QString &folder);

// Whether the editor can open `folder`: not when it is missing, a file, or
// closed to this user.
Outcome canOpenFolder(const QString &folder);
