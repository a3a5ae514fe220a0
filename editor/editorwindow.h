#pragma once

#include "editor/analysis.h"
#include "editor/diskstate.h"
#include "editor/messagefile.h"
#include "editor/editorprompts.h"
#include "editor/recoverycopy.h"

#include <QMainWindow>
#include <QTimer>

#include <functional>
#include <optional>

class FolderWatch;
class QLabel;
class QListWidget;
class QListWidgetItem;
class OwnAssetsPanel;
class QPlainTextEdit;
class QTabWidget;
class StagePreview;
class TimelineView;
class WordsPanel;

// The preparer's window: the letter and the declaration beside the stage as
// it stands when the question comes, the show's timeline and what would go
// wrong, kept up to date as one types. What others change in the folder
// meanwhile is noticed, and unsaved work is kept aside until it is saved.
class EditorWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Recovery copies go to `recoveryFolder`.
    explicit EditorWindow(const QString &folder,
                          const QString &recoveryFolder = RecoveryCopy::defaultFolder(),
                          QWidget *parent = nullptr);

    // How often unsaved texts are kept aside.
    static constexpr int recoveryIntervalMs = 2000;

    // Writes both texts; false (and everything kept in the window) when a
    // file could not be written.
    bool save();
    // Breaks the lines that run past the stage's right edge, as one undo step.
    void breakLongLines();
    // Saves, then starts the show from the folder.
    void rehearse();
    // Compares the files with what the window last read or wrote, and follows
    // what changed elsewhere: reloads, asks, or says a file has gone.
    void checkDisk();
    // Offers the recovery copy left by an editor that ended without saving;
    // true when it was restored.
    bool offerRecovery();
    // Keeps the unsaved texts aside now (or drops the copy when all is saved).
    void keepRecoveryCopy();
    QString recoveryCopyPath() const { return m_recovery.path(); }

    // The texts as the show will read them, with CR LF line ends.
    QString letterText() const { return m_letterText; }
    QString declarationText() const { return m_declarationText; }
    const Analysis &analysis() const { return m_analysis; }
    bool hasUnsavedChanges() const;
    // What the status bar last told the preparer (a save's outcome, say).
    QString statusText() const;

    QPlainTextEdit *letterEdit() const { return m_letterEdit; }
    QPlainTextEdit *declarationEdit() const { return m_declarationEdit; }
    StagePreview *preview() const { return m_preview; }
    QListWidget *warningList() const { return m_warnings; }
    OwnAssetsPanel *ownAssets() const { return m_ownAssets; }
    WordsPanel *wordsPanel() const { return m_wordsPanel; }
    // Brings "The show's words" into sight.
    void showWordsPanel();

    // The program that rehearsals start: `velmora` in the folder, else beside the editor.
    QString showProgram() const;

    // Replaceable in tests.
    std::function<EditorPrompts::UnsavedChoice()> askAboutUnsavedChanges;
    std::function<void(const QString &)> reportProblem;
    std::function<bool(const QString &program, const QString &folder)> startShow;
    std::function<EditorPrompts::DiskChoice(const QString &fileName)> askAboutChangeOnDisk;
    std::function<QString(const QString &suggested)> chooseOtherName;
    std::function<bool(const QDateTime &written)> askAboutRecovery;

signals:
    void analysed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    struct Document
    {
        QString fileName;
        QString defaultText;
        QString title;
        MessageFile file;
        QPlainTextEdit *edit = nullptr;
        QLabel *state = nullptr;
        DiskState disk {}; // as last read or written here
    };

    QWidget *createTextColumn();
    QWidget *createStageColumn();
    void load(Document &document);
    // What the status bar says of it; empty when nothing changed.
    QString followDisk(Document &document);
    QString followChangeWithUnsavedEdits(Document &document);
    void textsChanged();
    void showFileState(const Document &document, const QString &saved = {});
    void letterChanged();
    void declarationChanged();
    void runAnalysis();
    void ownAssetsChanged();
    void wordsEdited();
    // What the status bar says of a change to the program made elsewhere;
    // empty when there was none.
    QString followProgram();
    // Writes the words into the program; what kept them from it, if anything.
    QString saveWords();
    QList<Warning> boxWarnings();
    bool textsUnsaved() const;
    void goToWarning(QListWidgetItem *item);
    void updateTitle();
    void showCaretLine(const QPlainTextEdit *edit);
    QString path(const QString &fileName) const;

    QString m_folder;
    Document m_letter;
    Document m_declaration;
    QPlainTextEdit *m_letterEdit = nullptr;
    QPlainTextEdit *m_declarationEdit = nullptr;
    StagePreview *m_preview = nullptr;
    OwnAssetsPanel *m_ownAssets = nullptr;
    QTabWidget *m_tabs = nullptr;
    WordsPanel *m_wordsPanel = nullptr;
    TimelineView *m_timeline = nullptr;
    QListWidget *m_warnings = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_caretLine = nullptr;
    QString m_letterText;
    QString m_declarationText;
    Analysis m_analysis;
    std::optional<QStringList> m_shownWarnings; // what the list shows
    QTimer m_analysisTimer;
    // The boxes' warnings, measured again only when the words or the screen change.
    struct BoxWarnings
    {
        Words words;
        QSize screen;
        QList<Warning> warnings;
    };
    std::optional<BoxWarnings> m_boxWarnings;
    bool m_watchingScreen = false;
    DiskState m_programDisk;
    FolderWatch *m_watch = nullptr;
    bool m_checkingDisk = false;
    bool m_checkDiskAgain = false;
    RecoveryCopy m_recovery;
    bool m_recoveryOffered = false;
    QTimer m_recoveryTimer;
};

// What a text area holds, as the show's text with CR LF line ends, and back.
QString showTextFromEditor(const QPlainTextEdit *edit);
QString editorTextFromShow(const QString &text);
