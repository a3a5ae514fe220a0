// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/editorprompts.h"
#include "editor/messagedocument.h"
#include "editor/recoverycopy.h"

#include <QMap>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

// The letter and the declaration of a folder: loaded, followed when they
// change on disk (the preparer is asked only when the window holds unsaved
// changes), saved, and kept aside in a recovery copy until they are saved.
// What it tells the status bar comes back as sentences in the editor's language.
class MessageDocuments
{
public:
    MessageDocuments(const QString &folder, const QString &recoveryFolder);

    MessageDocument &letter() { return m_letter; }
    MessageDocument &declaration() { return m_declaration; }
    const MessageDocument &letter() const { return m_letter; }
    const MessageDocument &declaration() const { return m_declaration; }
    std::array<MessageDocument *, 2> both() { return { &m_letter, &m_declaration }; }
    // "letter" or "declaration", in the editor's language.
    QString titleOf(const MessageDocument &document) const;
    bool anyModified() const { return m_letter.isModified() || m_declaration.isModified(); }

    // The answers, replaceable in tests.
    std::function<EditorPrompts::DiskChoice(const QString &fileName)> askAboutChange;
    std::function<QString(const QString &suggested)> chooseOtherName;
    std::function<void(const QString &)> reportProblem;

    // Follows what changed on disk since it was last read or written here:
    // reads it again, asks, or takes note that it has gone. What the status
    // bar says of it; empty when nothing changed.
    QString follow(MessageDocument &document);

    // Writes each text that may be written and was not just read from disk;
    // a line for each written and for each that failed.
    struct SaveReport
    {
        QStringList saved;
        QStringList failures;
    };
    SaveReport save(const QStringList &followed);

    // The recovery copy: kept aside while anything is unsaved (the show's
    // words changed and not saved with it), dropped once all is saved.
    QString recoveryPath() const { return m_recovery.path(); }
    void keepAside(bool unsaved, const QMap<QString, QString> &words);
    // The copy left by an editor that ended without saving, once: nothing when
    // there is none, or it holds what the window holds.
    std::optional<RecoveryCopy::Texts> recoveryToOffer(const std::function<bool(const RecoveryCopy::Texts &)> &holdsWords);
    void restore(const RecoveryCopy::Texts &copy);
    void discardRecovery();

private:
    QString followWithUnsavedEdits(MessageDocument &document);
    QString saveAsOtherFile(MessageDocument &document, bool &done);

    MessageDocument m_letter;
    MessageDocument m_declaration;
    RecoveryCopy m_recovery;
    // Until it has been offered, a copy left from before is not written over.
    bool m_recoveryOffered;
};
