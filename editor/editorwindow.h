#pragma once

#include "editor/analysis.h"
#include "editor/diskstate.h"
#include "editor/editorprompts.h"
#include "editor/messagedocuments.h"
#include "editor/stagelayout.h"

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
    ~EditorWindow() override;

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
    QString recoveryCopyPath() const;

    // The texts as the show will read them, with CR LF line ends.
    QString letterText() const { return m_letterText; }
    QString declarationText() const { return m_declarationText; }
    const Analysis &analysis() const { return m_analysis; }
    bool hasUnsavedChanges() const;
    // What has unsaved changes, named for the preparer ("the letter"...).
    QStringList unsavedParts() const;
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
    // A message file's text area and the line above it that tells its state.
    struct TextArea
    {
        MessageDocument *document = nullptr;
        QPlainTextEdit *edit = nullptr;
        QLabel *state = nullptr;
    };
    // What a look at the disk found: the files read again, and what to say.
    struct Followed
    {
        QStringList files;
        QStringList said;
    };
    struct SaveOutcome
    {
        QStringList saved;
        QStringList failures;
        QStringList told; // changes found elsewhere on the way
    };

    QWidget *createTextColumn();
    QWidget *createStageColumn();
    void startTimers();
    void connectTexts();
    TextArea &areaOf(const MessageDocument &document);
    void showLoaded(TextArea &area);
    void showFileState(const TextArea &area);
    static QString savedHow(const SavedMessage &saved);
    Followed followDisk();
    void textsChanged();
    void letterChanged();
    void declarationChanged();
    void runAnalysis();
    void showWarnings();
    void ownAssetsChanged();
    void wordsEdited();
    // What the status bar says of a change to the program made elsewhere;
    // empty when there was none.
    QString followProgram();
    SaveOutcome writeEverything();
    bool reportSaved(const SaveOutcome &outcome);
    // Writes the words into the program.
    Outcome saveWords();
    QList<Warning> boxWarnings();
    void goToWarning(QListWidgetItem *item);
    void updateTitle();
    void showCaretLine(const QPlainTextEdit *edit);
    QString path(const QString &fileName) const;

    QString m_folder;
    MessageDocuments m_documents;
    StageLayout m_layout = StageLayout::standard();
    TextArea m_letter;
    TextArea m_declaration;
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
    QTimer m_recoveryTimer;
};

// What a text area holds, as the show's text with CR LF line ends.
QString showTextFromEditor(const QPlainTextEdit *edit);
