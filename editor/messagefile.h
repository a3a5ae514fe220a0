#pragma once

#include "editor/outcome.h"
#include "runtime/codepage.h"

#include <QString>

// One of the two message files, read and written the way the show reads it.
struct MessageFile
{
    enum class State { Missing, Read, Unreadable };

    State state = State::Missing;
    // The text the show will type: a missing file holds the default text the
    // show writes in its place.
    QString text;
    CodePage::FileEncoding encoding = CodePage::FileEncoding::Gbk;
    qint64 byteCount = 0;
    Reason error; // why an unreadable file could not be read

    // Longer than this, a file is not opened: typed at the show's pace the
    // letter would take days, and the window would freeze over it.
    static constexpr qint64 maxBytes = 1 << 20;
    static MessageFile read(const QString &path, const QString &defaultText);
};

// What the show writes for a missing file: the default text as one printed line.
QString textWrittenForMissingFile(const QString &defaultText);

// How a saved file is encoded: GBK when every character survives the trip
// through it and back through the show's reader, else UTF-8 with a mark.
enum class SavedEncoding { Gbk, Utf8WithMark };
struct EncodedMessage
{
    QByteArray bytes;
    SavedEncoding encoding = SavedEncoding::Gbk;
    // Lone surrogates: half characters that no file encoding holds and the
    // stage never draws. They are left out, and the saver says so.
    qsizetype leftOut = 0;
};
EncodedMessage encodeMessageText(const QString &text);

struct SavedMessage
{
    SavedEncoding encoding = SavedEncoding::Gbk;
    qsizetype leftOut = 0;
};
// Replaces the file in one step: the old file stays whole until the new one
// is complete.
Produced<SavedMessage> saveMessageFile(const QString &path, const QString &text);

QString encodingName(CodePage::FileEncoding encoding);
QString encodingName(SavedEncoding encoding);
