#include "runtime/codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace {
constexpr auto ansiName = "GBK";

QString decode(QStringConverter::Encoding encoding, QByteArrayView bytes)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

// Linux editors save UTF-8 without a mark. GBK text beyond ASCII is almost
// never valid UTF-8 as well, so such a file is taken for UTF-8; a file of
// plain ASCII reads the same either way.
bool isUtf8BeyondAscii(QByteArrayView bytes)
{
    const bool beyondAscii
            = std::any_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) >= 0x80; });
    if (!beyondAscii)
        return false;
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString decoded = decoder.decode(bytes);
    return !decoder.hasError();
}
} // namespace

namespace CodePage {

QByteArray toAnsi(const QString &text)
{
    QStringEncoder encoder(ansiName, QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

QString fromAnsi(const QByteArray &bytes)
{
    // The codec keeps a lead byte at the very end back, waiting for its trail
    // byte; a final line feed flushes it out as a replacement character.
    QStringDecoder decoder(ansiName, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes + '\n');
    text.chop(1);
    return text;
}

FileEncoding detectFileEncoding(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return FileEncoding::Utf8WithMark;
    if (bytes.startsWith("\xFF\xFE"))
        return FileEncoding::Utf16LEWithMark;
    if (bytes.startsWith("\xFE\xFF"))
        return FileEncoding::Utf16BEWithMark;
    if (isUtf8BeyondAscii(bytes))
        return FileEncoding::Utf8;
    return FileEncoding::Gbk;
}

QString fromFileBytes(const QByteArray &bytes)
{
    const QByteArrayView view(bytes);
    switch (detectFileEncoding(view)) {
    case FileEncoding::Utf8:
        return decode(QStringConverter::Utf8, view);
    case FileEncoding::Utf8WithMark:
        return decode(QStringConverter::Utf8, view.sliced(3));
    case FileEncoding::Utf16LEWithMark:
        return decode(QStringConverter::Utf16LE, view.sliced(2));
    case FileEncoding::Utf16BEWithMark:
        return decode(QStringConverter::Utf16BE, view.sliced(2));
    case FileEncoding::Gbk:
        break;
    }
    return fromAnsi(bytes);
}

} // namespace CodePage
