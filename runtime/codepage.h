#pragma once

#include <QByteArray>
#include <QString>

// The ANSI code page of the show's texts: code page 936 (GBK).
namespace CodePage {

QByteArray toAnsi(const QString &text);
// Never fails: bytes that are no valid GBK become replacement characters.
QString fromAnsi(const QByteArray &bytes);

// How a message file's bytes are read.
enum class FileEncoding { Gbk, Utf8, Utf8WithMark, Utf16LEWithMark, Utf16BEWithMark };
FileEncoding detectFileEncoding(QByteArrayView bytes);

// Text read from a message file: a UTF-8 or UTF-16 byte-order mark selects
// that encoding (the mark itself is dropped); without a mark, a file that is
// valid UTF-8 throughout and holds more than ASCII is UTF-8; anything else
// is GBK. What the show writes is always GBK.
QString fromFileBytes(const QByteArray &bytes);

} // namespace CodePage
