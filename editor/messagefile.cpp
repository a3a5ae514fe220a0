#include "editor/messagefile.h"

#include "editor/editortext.h"
#include "runtime/lonesurrogates.h"

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
        file.error = editorReason(EditorText::tr("no permission to open the folder it is in"));
        return file;
    }
    if (!info.exists()) {
        file.text = textWrittenForMissingFile(defaultText);
        return file;
    }
    if (info.isFile() && info.size() > maxBytes) {
        file.state = State::Unreadable;
        file.error = editorReason(EditorText::tr("the file is too large (%1 MB): a letter or a declaration holds at most %2 MB")
                             .arg(double(info.size()) / (1 << 20), 0, 'f', 1)
                             .arg(maxBytes >> 20));
        return file;
    }
    QFile in(path);
    if (info.isDir() || !in.open(QIODevice::ReadOnly)) {
        file.state = State::Unreadable;
        file.error = editorReason(info.isDir() ? EditorText::tr("this is a folder") : in.errorString());
        return file;
    }
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError) {
        file.state = State::Unreadable;
        file.error = Reason::plain(in.errorString());
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

EncodedMessage encodeMessageText(const QString &text)
{
    EncodedMessage message;
    const QString kept = LoneSurrogates::removed(text);
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
Reason saveFailure(const QString &path, const QSaveFile &file)
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
    return editorReason(EditorText::tr("%1: %2").arg(reason, file.errorString()));
}
} // namespace

Produced<SavedMessage> saveMessageFile(const QString &path, const QString &text)
{
    const EncodedMessage message = encodeMessageText(text);
    const QByteArray &bytes = message.bytes;
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return saveFailure(path, out);
    if (out.write(bytes) != bytes.size()) {
        const Reason failure = saveFailure(path, out);
        out.cancelWriting();
        return failure;
    }
    if (!out.commit())
        return saveFailure(path, out);
    return SavedMessage { message.encoding, message.leftOut };
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
