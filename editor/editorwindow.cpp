#include "editor/editorwindow.h"

#include "editor/boxpreview.h"
#include "editor/editortext.h"
#include "editor/folderwatch.h"
#include "editor/ownassets.h"
#include "editor/ownassetspanel.h"
#include "editor/showprogram.h"
#include "editor/stagelayout.h"
#include "editor/stagepreview.h"
#include "editor/timelineview.h"
#include "editor/wordspanel.h"
#include "runtime/assetsource.h"
#include "runtime/linebreaks.h"
#include "stage/defaulttexts.h"
#include "stage/programfiles.h"
#include "stage/stage.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QVBoxLayout>
#include <QWindow>

QString showTextFromEditor(const QPlainTextEdit *edit)
{
    // The text area keeps paragraphs, not line ends: each paragraph break is
    // a CR LF in the show's files.
    QString text = edit->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    text.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return text;
}

QString editorTextFromShow(const QString &text)
{
    return LineBreaks::toLf(text);
}

namespace {
QPlainTextEdit *createTextArea(QWidget *parent, const QFont &font)
{
    auto *edit = new QPlainTextEdit(parent);
    edit->setLineWrapMode(QPlainTextEdit::NoWrap); // a line here is a line on the stage
    edit->setFont(font);
    edit->setTabChangesFocus(true);
    return edit;
}

bool launchDetached(const QString &program, const QString &folder)
{
    return QProcess::startDetached(program, {}, folder);
}
} // namespace

EditorWindow::EditorWindow(const QString &folder, const QString &recoveryFolder, QWidget *parent)
    : QMainWindow(parent)
    , askAboutUnsavedChanges([this] { return EditorPrompts::askAboutUnsavedChanges(this); })
    , reportProblem([this](const QString &text) { EditorPrompts::reportProblem(this, text); })
    , startShow(launchDetached)
    , askAboutChangeOnDisk([this](const QString &fileName) {
        return EditorPrompts::askAboutChangeOnDisk(this, fileName);
    })
    , chooseOtherName([this](const QString &suggested) {
        return EditorPrompts::chooseOtherName(this, suggested);
    })
    , askAboutRecovery([this](const QDateTime &written) {
        return EditorPrompts::askAboutRecovery(this, written);
    })
    , m_folder(QDir::cleanPath(QDir(folder).absolutePath()))
    , m_recovery(m_folder, recoveryFolder)
{
    setWindowIcon(QIcon(QStringLiteral(":/cupid-48.png")));
    m_letter = { FileNames::letter, DefaultTexts::letter(), tr("letter"), {} };
    m_declaration
            = { FileNames::declaration, DefaultTexts::declaration(), tr("declaration"), {} };

    auto *central = new QWidget(this);
    auto *columns = new QHBoxLayout(central);
    columns->addWidget(createTextColumn(), 1);
    columns->addWidget(createStageColumn(), 0);
    setCentralWidget(central);
    m_status = new QLabel(this);
    statusBar()->addWidget(m_status, 1);
    m_caretLine = new QLabel(this);
    statusBar()->addPermanentWidget(m_caretLine);

    m_recoveryTimer.setSingleShot(true);
    m_recoveryTimer.setInterval(recoveryIntervalMs);
    connect(&m_recoveryTimer, &QTimer::timeout, this, &EditorWindow::keepRecoveryCopy);
    // Until it has been offered, a copy left from before is not written over.
    m_recoveryOffered = !m_recovery.exists();

    m_analysisTimer.setSingleShot(true);
    m_analysisTimer.setInterval(0); // keystrokes that arrive together are analysed once
    connect(&m_analysisTimer, &QTimer::timeout, this, &EditorWindow::runAnalysis);

    load(m_letter);
    load(m_declaration);
    connect(m_letterEdit->document(), &QTextDocument::contentsChanged, this,
            &EditorWindow::letterChanged);
    connect(m_declarationEdit->document(), &QTextDocument::contentsChanged, this,
            &EditorWindow::declarationChanged);
    connect(m_letterEdit->document(), &QTextDocument::modificationChanged, this,
            &EditorWindow::updateTitle);
    connect(m_declarationEdit->document(), &QTextDocument::modificationChanged, this,
            &EditorWindow::updateTitle);
    connect(m_wordsPanel, &WordsPanel::edited, this, &EditorWindow::wordsEdited);
    m_wordsPanel->follow(m_ownAssets->carried());
    letterChanged();
    declarationChanged();
    runAnalysis();
    updateTitle();
    m_status->setText(tr("Folder: %1").arg(QDir::toNativeSeparators(m_folder)));

    m_programDisk = DiskState::of(ShowProgram(m_folder).path());
    m_watch = new FolderWatch(m_folder,
                              { FileNames::letter, FileNames::declaration, QStringLiteral("velmora") },
                              this);
    connect(m_watch, &FolderWatch::mayHaveChanged, this, &EditorWindow::checkDisk);

    for (QPlainTextEdit *edit : { m_letterEdit, m_declarationEdit }) {
        connect(edit, &QPlainTextEdit::cursorPositionChanged, this,
                [this, edit] { showCaretLine(edit); });
    }
    m_letterEdit->moveCursor(QTextCursor::End);
    m_letterEdit->setFocus(Qt::OtherFocusReason);
}

QWidget *EditorWindow::createTextColumn()
{
    auto *column = new QWidget(this);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    m_tabs = new QTabWidget(column);
    auto *texts = new QWidget(m_tabs);
    auto *textsLayout = new QVBoxLayout(texts);
    for (Document *document : { &m_letter, &m_declaration }) {
        document->state = new QLabel(texts);
        document->state->setWordWrap(true);
        document->edit = createTextArea(
                texts, document == &m_letter ? Stage::letterFont() : Stage::declarationFont());
        textsLayout->addWidget(document->state);
        textsLayout->addWidget(document->edit, document == &m_letter ? 3 : 1);
    }
    m_tabs->addTab(texts, tr("Letter and declaration"));
    m_wordsPanel = new WordsPanel(m_tabs);
    m_tabs->addTab(m_wordsPanel, tr("The show's words"));
    layout->addWidget(m_tabs, 1);
    // Read before the stage is built, which draws the program's own pictures.
    m_ownAssets = new OwnAssetsPanel(m_folder, column);
    connect(m_ownAssets, &OwnAssetsPanel::changed, this, &EditorWindow::ownAssetsChanged);
    layout->addWidget(m_ownAssets);
    column->setMinimumWidth(440);
    m_letterEdit = m_letter.edit;
    m_declarationEdit = m_declaration.edit;
    m_letterEdit->setAccessibleName(tr("letter"));
    m_declarationEdit->setAccessibleName(tr("declaration"));
    return column;
}

QWidget *EditorWindow::createStageColumn()
{
    auto *column = new QWidget(this);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("The stage when the question comes"), column));
    m_preview = new StagePreview(AssetSource(m_ownAssets->carried(), true), column);
    layout->addWidget(m_preview);
    m_timeline = new TimelineView(column);
    layout->addWidget(m_timeline);
    m_warnings = new QListWidget(column);
    m_warnings->setMinimumHeight(m_warnings->fontMetrics().height() * 3);
    m_warnings->setToolTip(tr("Double-click a warning to go to its line"));
    connect(m_warnings, &QListWidget::itemActivated, this, &EditorWindow::goToWarning);
    layout->addWidget(m_warnings, 1);

    auto *buttons = new QHBoxLayout;
    auto *breakButton = new QPushButton(tr("Break Long Lines"), column);
    breakButton->setToolTip(tr("Breaks the lines at the stage's right edge; Ctrl+Z undoes it"));
    auto *saveButton = new QPushButton(tr("Save (Ctrl+S)"), column);
    auto *rehearseButton = new QPushButton(tr("Rehearse (F5)"), column);
    rehearseButton->setShortcut(Qt::Key_F5);
    rehearseButton->setToolTip(tr("Saves, then plays the whole show from this folder"));
    buttons->addWidget(breakButton);
    buttons->addStretch(1);
    buttons->addWidget(saveButton);
    buttons->addWidget(rehearseButton);
    layout->addLayout(buttons);
    connect(breakButton, &QPushButton::clicked, this, &EditorWindow::breakLongLines);
    connect(saveButton, &QPushButton::clicked, this, &EditorWindow::save);
    connect(rehearseButton, &QPushButton::clicked, this, &EditorWindow::rehearse);

    auto *saveAction = new QAction(tr("Save"), this);
    saveAction->setShortcut(QKeySequence::Save);
    connect(saveAction, &QAction::triggered, this, &EditorWindow::save);
    addAction(saveAction);
    return column;
}

QString EditorWindow::path(const QString &fileName) const
{
    return m_folder + QLatin1Char('/') + fileName;
}

void EditorWindow::load(Document &document)
{
    // Taken before reading: a change made meanwhile shows at the next check.
    document.disk = DiskState::of(path(document.fileName));
    document.file = MessageFile::read(path(document.fileName), document.defaultText);
    const bool readable = document.file.state != MessageFile::State::Unreadable;
    // Nothing to edit, and nothing written over what cannot be read.
    document.edit->setReadOnly(!readable);
    document.edit->setPlaceholderText(
            readable ? QString()
                     : tr("cannot read %1: %2").arg(document.fileName, document.file.error));
    document.edit->setPlainText(readable ? editorTextFromShow(document.file.text) : QString());
    document.edit->document()->setModified(false);
    showFileState(document);
}

void EditorWindow::showFileState(const Document &document, const QString &saved)
{
    QString state;
    switch (document.file.state) {
    case MessageFile::State::Missing:
        state = tr("not written yet (this is the default text the show writes)");
        break;
    case MessageFile::State::Unreadable:
        state = tr("cannot read: %1").arg(document.file.error);
        break;
    case MessageFile::State::Read:
        state = saved.isEmpty() ? tr("%1, %2 bytes")
                                          .arg(encodingName(document.file.encoding))
                                          .arg(document.file.byteCount)
                                : saved;
        break;
    }
    document.state->setText(
            tr("<b>%1</b>  %2  %3").arg(asHeading(document.title), document.fileName, state));
}

void EditorWindow::letterChanged()
{
    m_letterText = showTextFromEditor(m_letterEdit);
    m_preview->setLetter(m_letterText);
    textsChanged();
}

void EditorWindow::declarationChanged()
{
    m_declarationText = showTextFromEditor(m_declarationEdit);
    m_preview->setDeclaration(m_declarationText);
    textsChanged();
}

void EditorWindow::textsChanged()
{
    m_analysisTimer.start();
    // Every few seconds while typing goes on, not a few seconds after it stops.
    if (!m_recoveryTimer.isActive())
        m_recoveryTimer.start();
}

void EditorWindow::keepRecoveryCopy()
{
    m_recoveryTimer.stop();
    if (!m_recoveryOffered)
        return;
    if (hasUnsavedChanges())
        m_recovery.write(m_letterText, m_declarationText, m_wordsPanel->unsavedValues());
    else
        m_recovery.remove();
}

bool EditorWindow::offerRecovery()
{
    const bool pending = !m_recoveryOffered;
    m_recoveryOffered = true;
    const std::optional<RecoveryCopy::Texts> copy = pending ? m_recovery.read() : std::nullopt;
    if (!copy
        || (copy->letter == m_letterText && copy->declaration == m_declarationText
            && m_wordsPanel->holds(copy->words))) {
        keepRecoveryCopy();
        return false;
    }
    if (!askAboutRecovery(copy->written)) {
        m_recovery.remove();
        m_status->setText(tr("The recovery copy is discarded"));
        return false;
    }
    for (const auto &[document, text] : { std::pair { &m_letter, copy->letter },
                                          std::pair { &m_declaration, copy->declaration } }) {
        if (document->edit->isReadOnly() || text == showTextFromEditor(document->edit))
            continue;
        // One step Ctrl+Z undoes: back to what the folder holds.
        QTextCursor cursor(document->edit->document());
        cursor.beginEditBlock();
        cursor.select(QTextCursor::Document);
        cursor.insertText(editorTextFromShow(text));
        cursor.endEditBlock();
    }
    for (auto word = copy->words.cbegin(); word != copy->words.cend(); ++word)
        if (m_wordsPanel->value(word.key()) != word.value())
            m_wordsPanel->setValue(word.key(), word.value());
    m_status->setText(tr("The text left unsaved last time is restored; it goes into the folder when you save"));
    return true;
}

void EditorWindow::checkDisk()
{
    // A question is open: what changes meanwhile is looked at once it is answered.
    if (m_checkingDisk) {
        m_checkDiskAgain = true;
        return;
    }
    const QScopedValueRollback checking(m_checkingDisk, true);
    QStringList told;
    do {
        m_checkDiskAgain = false;
        for (Document *document : { &m_letter, &m_declaration }) {
            const QString said = followDisk(*document);
            if (!said.isEmpty())
                told << said;
        }
        if (const QString said = followProgram(); !said.isEmpty())
            told << said;
    } while (m_checkDiskAgain);
    if (!told.isEmpty())
        m_status->setText(told.join(tr("; ", "between messages")));
}

QString EditorWindow::followDisk(Document &document)
{
    const DiskState now = DiskState::of(path(document.fileName));
    if (now == document.disk)
        return {};
    if (!now.exists && document.edit->isReadOnly()) {
        // What could not be read is gone: the show would write the default text.
        load(document);
        return tr("%1 was deleted elsewhere").arg(document.fileName);
    }
    if (!now.exists) {
        // The window now holds the only copy: it counts as unsaved.
        document.disk = now;
        document.file.state = MessageFile::State::Missing;
        document.edit->document()->setModified(true);
        document.state->setText(tr("<b>%1</b>  %2  was deleted elsewhere; saving writes it again")
                                        .arg(asHeading(document.title), document.fileName));
        return tr("%1 was deleted elsewhere; saving writes it again").arg(document.fileName);
    }
    if (!document.edit->document()->isModified()) {
        load(document);
        return tr("%1 was changed elsewhere and is read again").arg(document.fileName);
    }
    return followChangeWithUnsavedEdits(document);
}

QString EditorWindow::followChangeWithUnsavedEdits(Document &document)
{
    for (;;) {
        switch (askAboutChangeOnDisk(document.fileName)) {
        case EditorPrompts::DiskChoice::Reload:
            load(document);
            return tr("%1 is read again from disk; the window's changes are dropped").arg(document.fileName);
        case EditorPrompts::DiskChoice::KeepMine:
            document.disk = DiskState::of(path(document.fileName));
            return tr("%1 was changed elsewhere; the window keeps its text, and saving writes over it")
                    .arg(document.fileName);
        case EditorPrompts::DiskChoice::SaveMineAs: {
            const QFileInfo name(document.fileName);
            const QString chosen = chooseOtherName(
                    path(tr("%1 (mine).%2").arg(name.completeBaseName(), name.suffix())));
            if (chosen.isEmpty())
                continue; // changed their mind: the question again
            const SaveResult saved = saveMessageFile(chosen, showTextFromEditor(document.edit));
            if (!saved.ok) {
                reportProblem(tr("Saving to %1 failed: %2").arg(chosen, saved.error));
                continue;
            }
            load(document);
            return tr("Your %1 is saved as %2; the window now holds %3 as it is on disk")
                    .arg(document.title, QDir::toNativeSeparators(chosen), document.fileName);
        }
        }
    }
}

QString EditorWindow::followProgram()
{
    const DiskState program = DiskState::of(ShowProgram(m_folder).path());
    if (program == m_programDisk)
        return {};
    m_programDisk = program;
    const Words before = m_wordsPanel->words();
    m_ownAssets->reread();
    QString told = tr("The program velmora was changed elsewhere: listed here is the music, film and pictures it now carries");
    if (m_wordsPanel->words() != before)
        told += tr("; the show's words follow what it carries now");
    return told;
}

void EditorWindow::ownAssetsChanged()
{
    m_programDisk = DiskState::of(ShowProgram(m_folder).path());
    m_preview->rebuild(AssetSource(m_ownAssets->carried(), true));
    m_wordsPanel->follow(m_ownAssets->carried());
    runAnalysis();
}

void EditorWindow::wordsEdited()
{
    const Words words = m_wordsPanel->words();
    m_preview->setCaption(words.caption);
    m_preview->setQuestion(words.question);
    m_analysisTimer.start();
    updateTitle();
    if (!m_recoveryTimer.isActive())
        m_recoveryTimer.start();
}

void EditorWindow::showWordsPanel()
{
    m_tabs->setCurrentWidget(m_wordsPanel);
}

QList<Warning> EditorWindow::boxWarnings()
{
    const Words words = m_wordsPanel->words();
    const QSize screen = this->screen()->availableGeometry().size();
    if (!m_boxWarnings || m_boxWarnings->words != words || m_boxWarnings->screen != screen)
        m_boxWarnings = BoxWarnings { words, screen, ::boxWarnings(words, screen) };
    return m_boxWarnings->warnings;
}

void EditorWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // The boxes are measured against the screen the window is on.
    if (!m_watchingScreen && windowHandle()) {
        m_watchingScreen = true;
        connect(windowHandle(), &QWindow::screenChanged, &m_analysisTimer,
                qOverload<>(&QTimer::start));
    }
}

void EditorWindow::runAnalysis()
{
    m_analysisTimer.stop();
    m_analysis = analyseTexts(m_letterText, m_declarationText, StageLayout::standard(),
                              carriedMusicSeconds(m_ownAssets->carried()),
                              m_wordsPanel->words().question);
    m_analysis.warnings += boxWarnings();
    const ShowTimes &times = m_analysis.times;
    m_timeline->setTimes(times);

    QStringList shown;
    for (const Warning &warning : std::as_const(m_analysis.warnings))
        shown << warning.toString();
    if (shown != m_shownWarnings) {
        // Most keystrokes change no warning: the list is rebuilt only when one does.
        m_shownWarnings = shown;
        m_warnings->clear();
        if (m_analysis.warnings.isEmpty())
            m_warnings->addItem(noProblemsFound());
        for (const Warning &warning : std::as_const(m_analysis.warnings)) {
            auto *item = new QListWidgetItem(warning.toString(), m_warnings);
            item->setData(Qt::UserRole, warning.file);
            item->setData(Qt::UserRole + 1, warning.line);
            item->setForeground(QColor(180, 0, 0));
        }
    }
    emit analysed();
}

void EditorWindow::goToWarning(QListWidgetItem *item)
{
    const QString file = item->data(Qt::UserRole).toString();
    const int line = item->data(Qt::UserRole + 1).toInt();
    if (WordsField::byKey(file)) {
        showWordsPanel();
        m_wordsPanel->goTo(file, line);
        return;
    }
    QPlainTextEdit *edit = file == FileNames::letter ? m_letterEdit
            : file == FileNames::declaration         ? m_declarationEdit
                                                     : nullptr;
    if (!edit || line < 1)
        return;
    m_tabs->setCurrentIndex(0);
    const QTextBlock block = edit->document()->findBlockByNumber(line - 1);
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock);
    edit->setTextCursor(cursor);
    edit->setFocus(Qt::OtherFocusReason);
}

void EditorWindow::showCaretLine(const QPlainTextEdit *edit)
{
    // The line numbers the warnings name.
    const QString file = edit == m_letterEdit ? FileNames::letter : FileNames::declaration;
    m_caretLine->setText(
            tr("%1 line %2").arg(file).arg(edit->textCursor().blockNumber() + 1));
}

bool EditorWindow::textsUnsaved() const
{
    return m_letterEdit->document()->isModified() || m_declarationEdit->document()->isModified();
}

bool EditorWindow::hasUnsavedChanges() const
{
    return textsUnsaved() || m_wordsPanel->hasUnsavedChanges();
}

QString EditorWindow::statusText() const
{
    return m_status->text();
}

void EditorWindow::updateTitle()
{
    const QString name = QFileInfo(m_folder).fileName();
    setWindowTitle(tr("%1[*] — Velmora Editor").arg(name.isEmpty() ? m_folder : name));
    setWindowModified(hasUnsavedChanges());
}

bool EditorWindow::save()
{
    QStringList saved;
    QStringList failures;
    QStringList changedElsewhere;
    {
    // The watcher's checks wait while a question about a change is open.
    const QScopedValueRollback checking(m_checkingDisk, true);
    for (Document *document : { &m_letter, &m_declaration }) {
        // Watchers miss some changes (another machine's, on a shared folder):
        // the file is looked at again before it is written over.
        const QString followed = followDisk(*document);
        if (!followed.isEmpty())
            changedElsewhere << followed;
        if (document->file.state == MessageFile::State::Unreadable)
            continue;
        // What was just read from disk is not written back over it.
        if (!followed.isEmpty() && !document->edit->document()->isModified())
            continue;
        const QString text = showTextFromEditor(document->edit);
        const SaveResult result = saveMessageFile(path(document->fileName), text);
        if (!result.ok) {
            failures << tr("%1: %2").arg(document->fileName, result.error);
            continue;
        }
        document->file.state = MessageFile::State::Read;
        document->file.text = text;
        document->file.encoding = result.encoding == SavedEncoding::Gbk
                ? CodePage::FileEncoding::Gbk
                : CodePage::FileEncoding::Utf8WithMark;
        QString how = result.encoding == SavedEncoding::Gbk
                ? tr("saved as GBK")
                : tr("saved as UTF-8 with a byte order mark, since some characters do not fit GBK");
        const QString leftOut = result.leftOut == 0
                ? QString()
                : tr("; %1 broken characters (lone surrogates) cannot be saved and are left out; the show would not draw them either")
                          .arg(result.leftOut);
        how += leftOut;
        document->disk = DiskState::of(path(document->fileName));
        document->edit->document()->setModified(false);
        showFileState(*document, how);
        saved << tr("%1 (%2%3)")
                         .arg(document->fileName, encodingName(result.encoding), leftOut);
    }
    if (const QString followed = followProgram(); !followed.isEmpty())
        changedElsewhere << followed;
    if (m_wordsPanel->hasUnsavedChanges()) {
        const Words before = m_wordsPanel->savedWords();
        if (const QString problem = saveWords(); !problem.isEmpty())
            failures << tr("the show's words: %1").arg(problem);
        if (m_wordsPanel->savedWords() != before)
            saved << tr("the show's words (in velmora)");
    }
    }
    if (m_checkDiskAgain)
        QTimer::singleShot(0, this, &EditorWindow::checkDisk);
    if (!failures.isEmpty()) {
        const QString message = tr("Saving failed:\n%1\n\nAll the text is still in the window; nothing is lost. "
                                    "Mend the folder's permissions or free some disk space, then save again.")
                                        .arg(failures.join(QLatin1Char('\n')));
        m_status->setText(tr("Saving failed: %1").arg(failures.join(tr("; ", "between messages"))));
        reportProblem(message);
        return false;
    }
    keepRecoveryCopy();
    changedElsewhere.prepend(tr("Saved: %1").arg(saved.join(tr(", ", "between the files saved"))));
    // A text the show could not use is never written: it waits in the window.
    const QStringList refused = m_wordsPanel->refusals();
    if (!refused.isEmpty())
        changedElsewhere << tr("not saved, as the show could not use it: %1")
                                    .arg(refused.join(tr("; ", "between messages")));
    m_status->setText(changedElsewhere.join(tr("; ", "between messages")));
    if (!refused.isEmpty()) {
        reportProblem(tr("Not saved, as the show could not use it:\n%1\n\n"
                         "Everything else is saved. The refused text stays in the window.")
                              .arg(refused.join(QLatin1Char('\n'))));
        return false;
    }
    return true;
}

void EditorWindow::breakLongLines()
{
    const StageLayout &layout = StageLayout::standard();
    const struct
    {
        QPlainTextEdit *edit;
        QPoint origin;
        QFont font;
    } areas[] = { { m_letterEdit, layout.letterOrigin, layout.letterFont },
                  { m_declarationEdit, layout.declarationOrigin, layout.declarationFont } };
    int changed = 0;
    for (const auto &area : areas) {
        if (area.edit->isReadOnly())
            continue;
        const QString before = showTextFromEditor(area.edit);
        const QString after
                = ::breakLongLines(before, area.origin.x(), layout.area.width(), area.font);
        if (after == before)
            continue;
        ++changed;
        // One edit block: a single Ctrl+Z brings the long lines back.
        QTextCursor cursor(area.edit->document());
        const int caret = area.edit->textCursor().position();
        cursor.beginEditBlock();
        cursor.select(QTextCursor::Document);
        cursor.insertText(editorTextFromShow(after));
        cursor.endEditBlock();
        cursor.setPosition(std::min(caret, area.edit->document()->characterCount() - 1));
        area.edit->setTextCursor(cursor);
    }
    m_status->setText(changed ? tr("Long lines are broken at the stage's right edge (Ctrl+Z undoes it)")
                              : tr("No line runs past the stage's right edge"));
}

QString EditorWindow::saveWords()
{
    const Words words = m_wordsPanel->wordsToSave();
    if (words != m_wordsPanel->savedWords()) {
        QString problem;
        if (!ShowProgram(m_folder).carryWords(words, QStringLiteral("velmora-editor"), &problem))
            return problem;
        m_wordsPanel->markSaved(words);
        // What the program carries is read anew from the program just written.
        m_ownAssets->reread();
    }
    return {};
}

QString EditorWindow::showProgram() const
{
    const QFileInfo inFolder(path(QStringLiteral("velmora")));
    if (inFolder.isFile() && inFolder.isExecutable())
        return inFolder.absoluteFilePath();
    const QFileInfo besideEditor(QCoreApplication::applicationDirPath()
                                 + QStringLiteral("/velmora"));
    if (besideEditor.isFile() && besideEditor.isExecutable())
        return besideEditor.absoluteFilePath();
    return {};
}

void EditorWindow::rehearse()
{
    if (!save())
        return;
    const QString program = showProgram();
    if (program.isEmpty()) {
        reportProblem(tr("The show's program velmora is not found: it is neither in %1 nor beside the editor.")
                              .arg(m_folder));
        return;
    }
    if (!startShow(program, m_folder)) {
        reportProblem(tr("The show's program %1 cannot be started.").arg(program));
        return;
    }
    m_status->setText(tr("Saved; the rehearsal has started"));
}

void EditorWindow::closeEvent(QCloseEvent *event)
{
    if (!hasUnsavedChanges()) {
        keepRecoveryCopy();
        event->accept();
        return;
    }
    switch (askAboutUnsavedChanges()) {
    case EditorPrompts::UnsavedChoice::Save:
        if (save())
            event->accept();
        else
            event->ignore();
        return;
    case EditorPrompts::UnsavedChoice::Discard:
        if (m_recoveryOffered)
            m_recovery.remove();
        event->accept();
        return;
    case EditorPrompts::UnsavedChoice::Cancel:
        event->ignore();
        return;
    }
}
