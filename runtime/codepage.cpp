#include "runtime/codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr auto ansiName = "GBK";

QString decode(QStringConverter::Encoding encoding, QByteArrayView bytes)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
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
