#include "runtime/codepage.h"

#include "runtime/gbkorutf8.h"
#include "runtime/lonesurrogates.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace {
constexpr auto ansiName = "GBK";

bool isValidUtf8BeyondAscii(QByteArrayView bytes)
{
    const bool beyondAscii
            = std::any_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) >= 0x80; });
    if (!beyondAscii)
        return false;
    return bytes.isValidUtf8();
}

struct Mark
{
    CodePage::FileEncoding file;
    QStringConverter::Encoding decoding;
    qsizetype length; // of the mark, which is also the size of one code unit but for UTF-8
    qsizetype unit;
};

std::optional<Mark> markOf(QByteArrayView bytes)
{
    using E = CodePage::FileEncoding;
    // Qt looks for a mark only in data longer than the mark: one byte more,
    // which can start no longer mark, lets a file that is only a mark count.
    QByteArray head = bytes.first(std::min<qsizetype>(bytes.size(), 4)).toByteArray();
    head.append('\x01');
    const auto encoding = QStringConverter::encodingForData(head);
    if (!encoding)
        return std::nullopt;
    switch (*encoding) {
    case QStringConverter::Utf8:
        return Mark { E::Utf8WithMark, *encoding, 3, 1 };
    case QStringConverter::Utf16LE:
        return Mark { E::Utf16LEWithMark, *encoding, 2, 2 };
    case QStringConverter::Utf16BE:
        return Mark { E::Utf16BEWithMark, *encoding, 2, 2 };
    case QStringConverter::Utf32LE:
        return Mark { E::Utf32LEWithMark, *encoding, 4, 4 };
    case QStringConverter::Utf32BE:
        return Mark { E::Utf32BEWithMark, *encoding, 4, 4 };
    default:
        return std::nullopt;
    }
}

// What follows the mark: a second mark is text. What can be read is kept;
// a broken tail (a code unit cut short) becomes one replacement character.
QString decodeAfterMark(const Mark &mark, QByteArrayView bytes)
{
    const QByteArrayView text = bytes.sliced(mark.length);
    const qsizetype whole = text.size() - text.size() % mark.unit;
    QStringDecoder decoder(mark.decoding,
                           QStringConverter::Flag::Stateless
                                   | QStringConverter::Flag::ConvertInitialBom);
    // Qt's UTF-16 and UTF-32 decoders pass a lone surrogate through; it is no
    // character, and reads as a replacement character like any other broken unit.
    QString decoded = LoneSurrogates::replaced(decoder.decode(text.first(whole)),
                                               QChar::ReplacementCharacter);
    if (whole < text.size())
        decoded += QChar(QChar::ReplacementCharacter);
    return decoded;
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
    if (const auto mark = markOf(bytes))
        return mark->file;
    if (isValidUtf8BeyondAscii(bytes) && !meantAsGbk(bytes))
        return FileEncoding::Utf8;
    return FileEncoding::Gbk;
}

QString fromFileBytes(const QByteArray &bytes)
{
    if (const auto mark = markOf(bytes))
        return decodeAfterMark(*mark, bytes);
    if (detectFileEncoding(bytes) == FileEncoding::Utf8)
        return QString::fromUtf8(bytes);
    return fromAnsi(bytes);
}

} // namespace CodePage
