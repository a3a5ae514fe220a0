// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The ANSI code page of the show's texts: code page 936 (GBK).
namespace CodePage {

QByteArray toAnsi(const QString &text);
// Never fails: bytes that are no valid GBK become replacement characters.
QString fromAnsi(const QByteArray &bytes);

// How a message file's bytes are read.
enum class FileEncoding {
    Gbk,
    Utf8,
    Utf8WithMark,
    Utf16LEWithMark,
    Utf16BEWithMark,
    Utf32LEWithMark,
    Utf32BEWithMark
};
FileEncoding detectFileEncoding(QByteArrayView bytes);

// Text read from a message file: a byte-order mark (UTF-8, UTF-16 or UTF-32)
// selects that encoding and is dropped; only the first mark is a mark.
// Without a mark, a file that is valid UTF-8 throughout and holds more than
// ASCII is UTF-8, unless it reads as common Chinese in GBK and as letters
// foreign to Chinese in UTF-8; anything else is GBK. What the show writes is
// always GBK.
QString fromFileBytes(const QByteArray &bytes);

} // namespace CodePage
