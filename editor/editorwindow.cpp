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
    return showTextOf(edit->document());
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
    , askAboutUnsavedChanges([this] {
        return EditorPrompts::askAboutUnsavedChanges(this, unsavedParts());
    })
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
    , m_documents(m_folder, recoveryFolder)
{
    setWindowIcon(QIcon(QStringLiteral(":/cupid-48.png")));
    m_documents.askAboutChange = [this](const QString &fileName) {
        return askAboutChangeOnDisk(fileName);
    };
    m_documents.chooseOtherName = [this](const QString &suggested) { return chooseOtherName(suggested); };
    m_documents.reportProblem = [this](const QString &text) { reportProblem(text); };

    auto *central = new QWidget(this);
    auto *columns = new QHBoxLayout(central);
    columns->addWidget(createTextColumn(), 1);
    columns->addWidget(createStageColumn(), 0);
    setCentralWidget(central);
    m_status = new QLabel(this);
    statusBar()->addWidget(m_status, 1);
    m_caretLine = new QLabel(this);
    statusBar()->addPermanentWidget(m_caretLine);

    startTimers();
    for (TextArea *area : { &m_letter, &m_declaration })
        showLoaded(*area);
    connectTexts();
    m_wordsPanel->follow(m_ownAssets->carried());
    letterChanged();
    declarationChanged();
    runAnalysis();
    updateTitle();
    m_status->setText(tr("Folder: %1").arg(QDir::toNativeSeparators(m_folder)));

    m_programDisk = DiskState::of(ShowProgram(m_folder).path());
    m_watch = new FolderWatch(m_folder,
                              { FileNames::letter, FileNames::declaration, FileNames::program },
                              this);
    connect(m_watch, &FolderWatch::mayHaveChanged, this, &EditorWindow::checkDisk);
    m_letterEdit->moveCursor(QTextCursor::End);
    m_letterEdit->setFocus(Qt::OtherFocusReason);
}

void EditorWindow::startTimers()
{
    m_recoveryTimer.setSingleShot(true);
    m_recoveryTimer.setInterval(recoveryIntervalMs);
    connect(&m_recoveryTimer, &QTimer::timeout, this, &EditorWindow::keepRecoveryCopy);
    m_analysisTimer.setSingleShot(true);
    m_analysisTimer.setInterval(0); // keystrokes that arrive together are analysed once
    connect(&m_analysisTimer, &QTimer::timeout, this, &EditorWindow::runAnalysis);
}

void EditorWindow::connectTexts()
{
    connect(m_letterEdit->document(), &QTextDocument::contentsChanged, this,
            &EditorWindow::letterChanged);
    connect(m_declarationEdit->document(), &QTextDocument::contentsChanged, this,
            &EditorWindow::declarationChanged);
    for (QPlainTextEdit *edit : { m_letterEdit, m_declarationEdit }) {
        connect(edit->document(), &QTextDocument::modificationChanged, this,
                &EditorWindow::updateTitle);
        connect(edit, &QPlainTextEdit::cursorPositionChanged, this,
                [this, edit] { showCaretLine(edit); });
    }
    connect(m_wordsPanel, &WordsPanel::edited, this, &EditorWindow::wordsEdited);
}

QWidget *EditorWindow::createTextColumn()
{
    auto *column = new QWidget(this);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    m_tabs = new QTabWidget(column);
    auto *texts = new QWidget(m_tabs);
    auto *textsLayout = new QVBoxLayout(texts);
    m_letter.document = &m_documents.letter();
    m_declaration.document = &m_documents.declaration();
    for (TextArea *area : { &m_letter, &m_declaration }) {
        area->state = new QLabel(texts);
        area->state->setWordWrap(true);
        area->edit = createTextArea(
                texts, area == &m_letter ? Stage::letterFont() : Stage::declarationFont());
        area->edit->setDocument(area->document->text());
        textsLayout->addWidget(area->state);
        textsLayout->addWidget(area->edit, area == &m_letter ? 3 : 1);
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

EditorWindow::~EditorWindow()
{
    // The text areas show the documents' texts: they go first.
    delete centralWidget();
}

QString EditorWindow::path(const QString &fileName) const
{
    return m_folder + QLatin1Char('/') + fileName;
}

EditorWindow::TextArea &EditorWindow::areaOf(const MessageDocument &document)
{
    return &document == m_letter.document ? m_letter : m_declaration;
}

void EditorWindow::showLoaded(TextArea &area)
{
    const MessageDocument &document = *area.document;
    const bool readable = !document.isReadOnly();
    area.edit->setReadOnly(!readable);
    area.edit->setPlaceholderText(
            readable ? QString()
                     : tr("cannot read %1: %2").arg(document.fileName(), document.file().error.text()));
    showFileState(area);
}

void EditorWindow::showFileState(const TextArea &area)
{
    const MessageDocument &document = *area.document;
    const QString heading = asHeading(m_documents.titleOf(document));
    if (document.isLost()) {
        area.state->setText(tr("<b>%1</b>  %2  was deleted elsewhere; saving writes it again")
                                    .arg(heading, document.fileName()));
        return;
    }
    QString state;
    switch (document.file().state) {
    case MessageFile::State::Missing:
        state = tr("not written yet (this is the default text the show writes)");
        break;
    case MessageFile::State::Unreadable:
        state = tr("cannot read: %1").arg(document.file().error.text());
        break;
    case MessageFile::State::Read:
        state = document.lastSave() ? savedHow(*document.lastSave())
                                    : tr("%1, %2 bytes")
                                              .arg(encodingName(document.file().encoding))
                                              .arg(document.file().byteCount);
        break;
    }
    area.state->setText(tr("<b>%1</b>  %2  %3").arg(heading, document.fileName(), state));
}

QString EditorWindow::savedHow(const SavedMessage &saved)
{
    QString how = saved.encoding == SavedEncoding::Gbk
            ? tr("saved as GBK")
            : tr("saved as UTF-8 with a byte order mark, since some characters do not fit GBK");
    if (saved.leftOut > 0)
        how += tr("; %1 broken characters (lone surrogates) cannot be saved and are left out; the show would not draw them either")
                       .arg(saved.leftOut);
    return how;
}

void EditorWindow::letterChanged()
{
    m_letterText = m_documents.letter().showText();
    m_preview->setLetter(m_letterText);
    textsChanged();
}

void EditorWindow::declarationChanged()
{
    m_declarationText = m_documents.declaration().showText();
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
    m_documents.keepAside(hasUnsavedChanges(), m_wordsPanel->unsavedValues());
}

QString EditorWindow::recoveryCopyPath() const
{
    return m_documents.recoveryPath();
}

bool EditorWindow::offerRecovery()
{
    const std::optional<RecoveryCopy::Texts> copy = m_documents.recoveryToOffer(
            [this](const RecoveryCopy::Texts &texts) { return m_wordsPanel->holds(texts.words); });
    if (!copy) {
        keepRecoveryCopy();
        return false;
    }
    if (!askAboutRecovery(copy->written)) {
        m_documents.discardRecovery();
        m_status->setText(tr("The recovery copy is discarded"));
        return false;
    }
    m_documents.restore(*copy);
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
        told += followDisk().said;
        if (const QString said = followProgram(); !said.isEmpty())
            told << said;
    } while (m_checkDiskAgain);
    if (!told.isEmpty())
        m_status->setText(told.join(tr("; ", "between messages")));
}

EditorWindow::Followed EditorWindow::followDisk()
{
    Followed followed;
    for (MessageDocument *document : m_documents.both()) {
        const QString said = m_documents.follow(*document);
        if (said.isEmpty())
            continue;
        followed.said << said;
        followed.files << document->fileName();
        showLoaded(areaOf(*document));
    }
    return followed;
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
    m_analysis = analyseTexts(m_letterText, m_declarationText, m_layout,
                              carriedMusicSeconds(m_ownAssets->carried()),
                              m_wordsPanel->words().question);
    m_analysis.warnings += boxWarnings();
    m_timeline->setTimes(m_analysis.times);
    showWarnings();
    emit analysed();
}

void EditorWindow::showWarnings()
{
    QStringList shown;
    for (const Warning &warning : std::as_const(m_analysis.warnings))
        shown << warning.toString();
    // Most keystrokes change no warning: the list is rebuilt only when one does.
    if (shown == m_shownWarnings)
        return;
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

QStringList EditorWindow::unsavedParts() const
{
    QStringList parts;
    if (m_documents.letter().isModified())
        parts << tr("the letter");
    if (m_documents.declaration().isModified())
        parts << tr("the declaration");
    if (m_wordsPanel->hasUnsavedChanges())
        parts << tr("the show's words");
    return parts;
}

bool EditorWindow::hasUnsavedChanges() const
{
    return m_documents.anyModified() || m_wordsPanel->hasUnsavedChanges();
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
    SaveOutcome outcome;
    {
        // The watcher's checks wait while a question about a change is open.
        const QScopedValueRollback checking(m_checkingDisk, true);
        outcome = writeEverything();
    }
    if (m_checkDiskAgain)
        QTimer::singleShot(0, this, &EditorWindow::checkDisk);
    if (!outcome.failures.isEmpty()) {
        m_status->setText(tr("Saving failed: %1").arg(outcome.failures.join(tr("; ", "between messages"))));
        reportProblem(tr("Saving failed:\n%1\n\nAll the text is still in the window; nothing is lost. "
                         "Mend the folder's permissions or free some disk space, then save again.")
                              .arg(outcome.failures.join(QLatin1Char('\n'))));
        return false;
    }
    keepRecoveryCopy();
    return reportSaved(outcome);
}

// Watchers miss some changes (another machine's, on a shared folder): the
// files are looked at again before they are written over.
EditorWindow::SaveOutcome EditorWindow::writeEverything()
{
    SaveOutcome outcome;
    const Followed followed = followDisk();
    outcome.told = followed.said;
    const MessageDocuments::SaveReport texts = m_documents.save(followed.files);
    for (TextArea *area : { &m_letter, &m_declaration })
        showFileState(*area);
    outcome.saved = texts.saved;
    outcome.failures = texts.failures;
    if (const QString said = followProgram(); !said.isEmpty())
        outcome.told << said;
    if (m_wordsPanel->hasUnsavedChanges()) {
        const Words before = m_wordsPanel->savedWords();
        if (const Outcome words = saveWords(); !words.ok())
            outcome.failures << tr("the show's words: %1").arg(words.why());
        if (m_wordsPanel->savedWords() != before)
            outcome.saved << tr("the show's words (in velmora)");
    }
    return outcome;
}

bool EditorWindow::reportSaved(const SaveOutcome &outcome)
{
    QStringList told = outcome.told;
    told.prepend(tr("Saved: %1").arg(outcome.saved.join(tr(", ", "between the files saved"))));
    // A text the show could not use is never written: it waits in the window.
    const QStringList refused = m_wordsPanel->refusals();
    if (!refused.isEmpty())
        told << tr("not saved, as the show could not use it: %1")
                        .arg(refused.join(tr("; ", "between messages")));
    m_status->setText(told.join(tr("; ", "between messages")));
    if (refused.isEmpty())
        return true;
    reportProblem(tr("Not saved, as the show could not use it:\n%1\n\n"
                     "Everything else is saved. The refused text stays in the window.")
                          .arg(refused.join(QLatin1Char('\n'))));
    return false;
}

void EditorWindow::breakLongLines()
{
    const StageLayout &layout = m_layout;
    const struct
    {
        MessageDocument *document;
        QPlainTextEdit *edit;
        QPoint origin;
        QFont font;
    } areas[] = { { m_letter.document, m_letterEdit, layout.letterOrigin, layout.letterFont },
                  { m_declaration.document, m_declarationEdit, layout.declarationOrigin,
                    layout.declarationFont } };
    int changed = 0;
    for (const auto &area : areas) {
        if (area.document->isReadOnly())
            continue;
        const QString before = area.document->showText();
        const QString after
                = ::breakLongLines(before, area.origin.x(), layout.area.width(), area.font);
        if (after == before)
            continue;
        ++changed;
        // One edit block: a single Ctrl+Z brings the long lines back.
        const int caret = area.edit->textCursor().position();
        area.document->replaceText(after);
        QTextCursor cursor(area.edit->document());
        cursor.setPosition(std::min(caret, area.edit->document()->characterCount() - 1));
        area.edit->setTextCursor(cursor);
    }
    m_status->setText(changed ? tr("Long lines are broken at the stage's right edge (Ctrl+Z undoes it)")
                              : tr("No line runs past the stage's right edge"));
}

Outcome EditorWindow::saveWords()
{
    const Words words = m_wordsPanel->wordsToSave();
    if (words == m_wordsPanel->savedWords())
        return {};
    if (const Outcome carried = ShowProgram(m_folder).carryWords(words, QStringLiteral("velmora-editor"));
        !carried.ok())
        return carried;
    m_wordsPanel->markSaved(words);
    // What the program carries is read anew from the program just written.
    m_ownAssets->reread();
    return {};
}

QString EditorWindow::showProgram() const
{
    const QFileInfo inFolder(path(FileNames::program));
    if (inFolder.isFile() && inFolder.isExecutable())
        return inFolder.absoluteFilePath();
    const QFileInfo besideEditor(QCoreApplication::applicationDirPath()
                                 + QLatin1Char('/') + FileNames::program);
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
        m_documents.discardRecovery();
        event->accept();
        return;
    case EditorPrompts::UnsavedChoice::Cancel:
        event->ignore();
        return;
    }
}
