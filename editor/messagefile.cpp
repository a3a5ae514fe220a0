#include "editor/messagefile.h"

#include "editor/editortext.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

MessageFile MessageFile::read(const QString &path, const QString &defaultText)
{
    MessageFile file;
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (!info.exists() && folder.isDir() && !folder.isExecutable()) {
        // Not missing: out of sight.
        file.state = State::Unreadable;
        file.error = EditorText::tr("no permission to open the folder it is in");
        return file;
    }
    if (!info.exists()) {
        file.text = textWrittenForMissingFile(defaultText);
        return file;
    }
    if (info.isFile() && info.size() > maxBytes) {
        file.state = State::Unreadable;
        file.error = EditorText::tr("the file is too large (%1 MB): a letter or a declaration holds at most %2 MB")
                             .arg(double(info.size()) / (1 << 20), 0, 'f', 1)
                             .arg(maxBytes >> 20);
        return file;
    }
    QFile in(path);
    if (info.isDir() || !in.open(QIODevice::ReadOnly)) {
        file.state = State::Unreadable;
        file.error = info.isDir() ? EditorText::tr("this is a folder") : in.errorString();
        return file;
    }
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError) {
        file.state = State::Unreadable;
        file.error = in.errorString();
        return file;
    }
    file.state = State::Read;
    file.byteCount = bytes.size();
    file.encoding = CodePage::detectFileEncoding(bytes);
    file.text = CodePage::fromFileBytes(bytes);
    return file;
}

QString textWrittenForMissingFile(const QString &defaultText)
{
    return defaultText + QStringLiteral("\r\n");
}

QString withoutLoneSurrogates(const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            kept.append(c).append(text.at(++i));
        else if (!c.isSurrogate())
            kept.append(c);
    }
    return kept;
}

EncodedMessage encodeMessageText(const QString &text)
{
    EncodedMessage message;
    const QString kept = withoutLoneSurrogates(text);
    message.leftOut = text.size() - kept.size();
    // GBK bytes may happen to look like a mark or like UTF-8; only the
    // show's own reader can say whether they come back as they went.
    const QByteArray ansi = CodePage::toAnsi(kept);
    if (CodePage::fromFileBytes(ansi) == kept) {
        message.bytes = ansi;
        return message;
    }
    message.encoding = SavedEncoding::Utf8WithMark;
    message.bytes = QByteArray("\xEF\xBB\xBF") + kept.toUtf8();
    return message;
}

namespace {
// Why a save failed, in the window's language, with the system's own words after it.
QString saveFailure(const QString &path, const QSaveFile &file)
{
    const QFileInfo target(path);
    QString reason;
    if (!QFileInfo(target.absolutePath()).isWritable())
        reason = EditorText::tr("the folder cannot be written (it is read-only, or you may not write in it)");
    else if (target.exists() && !target.isWritable())
        reason = EditorText::tr("this file cannot be written (it is read-only, or you may not write it)");
    else if (file.error() == QFileDevice::RenameError)
        reason = EditorText::tr("the new file cannot take the old one's place");
    else if (file.error() == QFileDevice::WriteError || file.error() == QFileDevice::ResourceError)
        reason = EditorText::tr("writing failed (the disk may be full)");
    else
        reason = EditorText::tr("cannot save");
    return EditorText::tr("%1: %2").arg(reason, file.errorString());
}
} // namespace

SaveResult saveMessageFile(const QString &path, const QString &text)
{
    SaveResult result;
    const EncodedMessage message = encodeMessageText(text);
    const QByteArray &bytes = message.bytes;
    result.encoding = message.encoding;
    result.leftOut = message.leftOut;
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) {
        result.error = saveFailure(path, out);
        return result;
    }
    if (out.write(bytes) != bytes.size()) {
        result.error = saveFailure(path, out);
        out.cancelWriting();
        return result;
    }
    if (!out.commit()) {
        result.error = saveFailure(path, out);
        return result;
    }
    result.ok = true;
    return result;
}

QString encodingName(CodePage::FileEncoding encoding)
{
    switch (encoding) {
    case CodePage::FileEncoding::Gbk:
        return QStringLiteral("GBK");
    case CodePage::FileEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case CodePage::FileEncoding::Utf8WithMark:
        return EditorText::tr("UTF-8 with a byte order mark");
    case CodePage::FileEncoding::Utf16LEWithMark:
        return EditorText::tr("UTF-16 LE with a byte order mark");
    case CodePage::FileEncoding::Utf16BEWithMark:
        return EditorText::tr("UTF-16 BE with a byte order mark");
    case CodePage::FileEncoding::Utf32LEWithMark:
        return EditorText::tr("UTF-32 LE with a byte order mark");
    case CodePage::FileEncoding::Utf32BEWithMark:
        return EditorText::tr("UTF-32 BE with a byte order mark");
    }
    return {};
}

QString encodingName(SavedEncoding encoding)
{
    return encoding == SavedEncoding::Gbk ? encodingName(CodePage::FileEncoding::Gbk)
                                          : encodingName(CodePage::FileEncoding::Utf8WithMark);
}
