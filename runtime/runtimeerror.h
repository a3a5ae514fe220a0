// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A run-time error as the show's host reports it: a number, its text and,
// where one is concerned, the file.
struct RuntimeError
{
    int number = 0;
    QString text;
    QString path;

    QString message() const;
};

namespace ErrorNumber {
enum : int {
    InvalidProcedureCall = 5,
    Overflow = 6,
    BadFileNameOrNumber = 52,
    FileNotFound = 53,
    FileAlreadyOpen = 55,
    DeviceIoError = 57,
    DiskFull = 61,
    PermissionDenied = 70,
    PathFileAccessError = 75,
    PathNotFound = 76,
    ResourceNotFound = 326,
};
}

RuntimeError runtimeError(int number, const QString &path = {});
[[noreturn]] void raiseError(int number, const QString &path = {});
