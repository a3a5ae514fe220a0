#pragma once

#include "editor/diskstate.h"
#include "editor/messagefile.h"
#include "editor/outcome.h"

#include <QString>

#include <optional>

class QTextDocument;

// One of the two message files as the editor keeps it: read the way the show
// reads it, held as a text document that a text area shows, compared with the
// disk, and saved. Nothing here asks the preparer anything.
class MessageDocument
{
public:
    MessageDocument(const QString &folder, const QString &fileName, const QString &defaultText);
    ~MessageDocument();
    MessageDocument(const MessageDocument &) = delete;
    MessageDocument &operator=(const MessageDocument &) = delete;

    QString fileName() const { return m_fileName; }
    QString path() const { return m_path; }
    const MessageFile &file() const { return m_file; }
    QTextDocument *text() const { return m_text; }
    // What cannot be read is not edited, and nothing is written over it.
    bool isReadOnly() const { return m_file.state == MessageFile::State::Unreadable; }
    bool isModified() const;

    // The text as the show will read it, with CR LF line ends.
    QString showText() const;
    // Puts `text` in as one step that Ctrl+Z undoes.
    void replaceText(const QString &text);

    // Reads the file afresh; the text is then unmodified.
    void load();

    // How the file on disk stands against what was last read or written here.
    enum class DiskChange { None, Deleted, Changed };
    DiskChange diskChange() const;
    // The file is gone: the text is now its only copy, and counts as unsaved.
    void lostOnDisk();
    // The preparer keeps their own text over the file changed elsewhere.
    void keepOverDisk();

    Produced<SavedMessage> save();
    // How the last save came out, until the file is read again.
    const std::optional<SavedMessage> &lastSave() const { return m_lastSave; }
    // Deleted elsewhere while the window held it: saving writes it again.
    bool isLost() const { return m_lost; }

private:
    QString m_fileName;
    QString m_path;
    QString m_defaultText;
    MessageFile m_file;
    DiskState m_disk; // as last read or written here
    QTextDocument *m_text;
    std::optional<SavedMessage> m_lastSave;
    bool m_lost = false;
};

// What a text area holds, as the show's text with CR LF line ends, and back.
QString showTextOf(const QTextDocument *document);
QString editorTextFromShow(const QString &text);
