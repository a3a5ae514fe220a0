#include "editor/messagedocuments.h"

#include "editor/editortext.h"
#include "stage/defaulttexts.h"
#include "stage/programfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTextDocument>

MessageDocuments::MessageDocuments(const QString &folder, const QString &recoveryFolder)
    : m_letter(folder, FileNames::letter, DefaultTexts::letter())
    , m_declaration(folder, FileNames::declaration, DefaultTexts::declaration())
    , m_recovery(folder, recoveryFolder)
    , m_recoveryOffered(!m_recovery.exists())
{
    m_letter.load();
    m_declaration.load();
}

QString MessageDocuments::titleOf(const MessageDocument &document) const
{
    return &document == &m_letter ? EditorText::tr("letter") : EditorText::tr("declaration");
}

QString MessageDocuments::follow(MessageDocument &document)
{
    using Change = MessageDocument::DiskChange;
    const Change change = document.diskChange();
    if (change == Change::None)
        return {};
    if (change == Change::Deleted && document.isReadOnly()) {
        // What could not be read is gone: the show would write the default text.
        document.load();
        return EditorText::tr("%1 was deleted elsewhere").arg(document.fileName());
    }
    if (change == Change::Deleted) {
        document.lostOnDisk();
        return EditorText::tr("%1 was deleted elsewhere; saving writes it again").arg(document.fileName());
    }
    if (!document.isModified()) {
        document.load();
        return EditorText::tr("%1 was changed elsewhere and is read again").arg(document.fileName());
    }
    return followWithUnsavedEdits(document);
}

QString MessageDocuments::followWithUnsavedEdits(MessageDocument &document)
{
    for (;;) {
        switch (askAboutChange(document.fileName())) {
        case EditorPrompts::DiskChoice::Reload:
            document.load();
            return EditorText::tr("%1 is read again from disk; the window's changes are dropped")
                    .arg(document.fileName());
        case EditorPrompts::DiskChoice::KeepMine:
            document.keepOverDisk();
            return EditorText::tr("%1 was changed elsewhere; the window keeps its text, and saving writes over it")
                    .arg(document.fileName());
        case EditorPrompts::DiskChoice::SaveMineAs: {
            bool done = false;
            const QString said = saveAsOtherFile(document, done);
            if (done)
                return said;
            continue; // changed their mind, or it failed: the question again
        }
        }
    }
}

QString MessageDocuments::saveAsOtherFile(MessageDocument &document, bool &done)
{
    const QFileInfo name(document.fileName());
    const QString chosen = chooseOtherName(
            QFileInfo(document.path()).dir().filePath(
                    EditorText::tr("%1 (mine).%2").arg(name.completeBaseName(), name.suffix())));
    if (chosen.isEmpty())
        return {};
    const Produced<SavedMessage> saved = saveMessageFile(chosen, document.showText());
    if (!saved.ok()) {
        reportProblem(EditorText::tr("Saving to %1 failed: %2").arg(chosen, saved.why()));
        return {};
    }
    document.load();
    done = true;
    return EditorText::tr("Your %1 is saved as %2; the window now holds %3 as it is on disk")
            .arg(titleOf(document), QDir::toNativeSeparators(chosen), document.fileName());
}

MessageDocuments::SaveReport MessageDocuments::save(const QStringList &followed)
{
    SaveReport report;
    for (MessageDocument *document : both()) {
        // What was just read from disk is not written back over it.
        const bool justRead = followed.contains(document->fileName()) && !document->isModified();
        if (document->isReadOnly() || justRead)
            continue;
        const Produced<SavedMessage> saved = document->save();
        if (!saved.ok()) {
            report.failures << EditorText::tr("%1: %2").arg(document->fileName(), saved.why());
            continue;
        }
        const QString leftOut = saved->leftOut == 0 ? QString()
                : EditorText::tr("; %1 broken characters (lone surrogates) cannot be saved and are left out; the show would not draw them either")
                          .arg(saved->leftOut);
        report.saved << EditorText::tr("%1 (%2%3)")
                                .arg(document->fileName(), encodingName(saved->encoding), leftOut);
    }
    return report;
}

void MessageDocuments::keepAside(bool unsaved, const QMap<QString, QString> &words)
{
    if (!m_recoveryOffered)
        return;
    if (unsaved)
        m_recovery.write(m_letter.showText(), m_declaration.showText(), words);
    else
        m_recovery.remove();
}

std::optional<RecoveryCopy::Texts> MessageDocuments::recoveryToOffer(
        const std::function<bool(const RecoveryCopy::Texts &)> &holdsWords)
{
    const bool pending = !m_recoveryOffered;
    m_recoveryOffered = true;
    std::optional<RecoveryCopy::Texts> copy = pending ? m_recovery.read() : std::nullopt;
    if (copy && copy->letter == m_letter.showText()
        && copy->declaration == m_declaration.showText() && holdsWords(*copy))
        return std::nullopt;
    return copy;
}

void MessageDocuments::restore(const RecoveryCopy::Texts &copy)
{
    for (const auto &[document, text] : { std::pair { &m_letter, copy.letter },
                                          std::pair { &m_declaration, copy.declaration } })
        if (!document->isReadOnly() && text != document->showText())
            document->replaceText(text); // one step Ctrl+Z undoes: back to what the folder holds
}

void MessageDocuments::discardRecovery()
{
    if (m_recoveryOffered)
        m_recovery.remove();
}
