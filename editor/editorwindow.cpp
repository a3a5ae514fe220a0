#include "editor/editorwindow.h"

#include "editor/ownassets.h"
#include "editor/ownassetspanel.h"
#include "editor/stagelayout.h"
#include "editor/stagepreview.h"
#include "editor/timelineview.h"
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
#include <QStatusBar>
#include <QTextBlock>
#include <QVBoxLayout>

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

EditorWindow::EditorWindow(const QString &folder, QWidget *parent)
    : QMainWindow(parent)
    , askAboutUnsavedChanges([this] { return EditorPrompts::askAboutUnsavedChanges(this); })
    , reportProblem([this](const QString &text) { EditorPrompts::reportProblem(this, text); })
    , startShow(launchDetached)
    , m_folder(QDir::cleanPath(QDir(folder).absolutePath()))
{
    setWindowIcon(QIcon(QStringLiteral(":/cupid-48.png")));
    m_letter = { FileNames::letter, DefaultTexts::letter(), QStringLiteral("信"), {} };
    m_declaration
            = { FileNames::declaration, DefaultTexts::declaration(), QStringLiteral("宣言"), {} };

    auto *central = new QWidget(this);
    auto *columns = new QHBoxLayout(central);
    columns->addWidget(createTextColumn(), 1);
    columns->addWidget(createStageColumn(), 0);
    setCentralWidget(central);
    m_status = new QLabel(this);
    statusBar()->addWidget(m_status, 1);
    m_caretLine = new QLabel(this);
    statusBar()->addPermanentWidget(m_caretLine);

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
    letterChanged();
    declarationChanged();
    runAnalysis();
    updateTitle();
    m_status->setText(QStringLiteral("文件夹：%1").arg(QDir::toNativeSeparators(m_folder)));

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
    for (Document *document : { &m_letter, &m_declaration }) {
        document->state = new QLabel(column);
        document->state->setWordWrap(true);
        document->edit = createTextArea(
                column, document == &m_letter ? Stage::letterFont() : Stage::declarationFont());
        layout->addWidget(document->state);
        layout->addWidget(document->edit, document == &m_letter ? 3 : 1);
    }
    // Read before the stage is built, which draws the program's own pictures.
    m_ownAssets = new OwnAssetsPanel(m_folder, column);
    connect(m_ownAssets, &OwnAssetsPanel::changed, this, &EditorWindow::ownAssetsChanged);
    layout->addWidget(m_ownAssets);
    column->setMinimumWidth(440);
    m_letterEdit = m_letter.edit;
    m_declarationEdit = m_declaration.edit;
    m_letterEdit->setAccessibleName(QStringLiteral("信"));
    m_declarationEdit->setAccessibleName(QStringLiteral("宣言"));
    return column;
}

QWidget *EditorWindow::createStageColumn()
{
    auto *column = new QWidget(this);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("问题出现时的舞台"), column));
    m_preview = new StagePreview(AssetSource(m_ownAssets->carried(), true), column);
    layout->addWidget(m_preview);
    m_timeline = new TimelineView(column);
    layout->addWidget(m_timeline);
    m_warnings = new QListWidget(column);
    m_warnings->setMinimumHeight(m_warnings->fontMetrics().height() * 3);
    m_warnings->setToolTip(QStringLiteral("双击一条提示，跳到那一行"));
    connect(m_warnings, &QListWidget::itemActivated, this, &EditorWindow::goToWarning);
    layout->addWidget(m_warnings, 1);

    auto *buttons = new QHBoxLayout;
    auto *breakButton = new QPushButton(QStringLiteral("断开过长的行"), column);
    breakButton->setToolTip(QStringLiteral("在舞台右边处换行，可以撤销（Ctrl+Z）"));
    auto *saveButton = new QPushButton(QStringLiteral("保存 (Ctrl+S)"), column);
    auto *rehearseButton = new QPushButton(QStringLiteral("彩排 (F5)"), column);
    rehearseButton->setShortcut(Qt::Key_F5);
    rehearseButton->setToolTip(QStringLiteral("保存，然后从这个文件夹完整放映一遍"));
    buttons->addWidget(breakButton);
    buttons->addStretch(1);
    buttons->addWidget(saveButton);
    buttons->addWidget(rehearseButton);
    layout->addLayout(buttons);
    connect(breakButton, &QPushButton::clicked, this, &EditorWindow::breakLongLines);
    connect(saveButton, &QPushButton::clicked, this, &EditorWindow::save);
    connect(rehearseButton, &QPushButton::clicked, this, &EditorWindow::rehearse);

    auto *saveAction = new QAction(QStringLiteral("保存"), this);
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
    document.file = MessageFile::read(path(document.fileName), document.defaultText);
    if (document.file.state == MessageFile::State::Unreadable) {
        // Nothing to edit, and nothing written over what cannot be read.
        document.edit->setReadOnly(true);
        document.edit->setPlaceholderText(
                QStringLiteral("读不出 %1：%2").arg(document.fileName, document.file.error));
    } else {
        document.edit->setPlainText(editorTextFromShow(document.file.text));
    }
    document.edit->document()->setModified(false);
    showFileState(document);
}

void EditorWindow::showFileState(const Document &document, const QString &saved)
{
    QString state;
    switch (document.file.state) {
    case MessageFile::State::Missing:
        state = QStringLiteral("尚未写入（这是放映时会写入的默认文字）");
        break;
    case MessageFile::State::Unreadable:
        state = QStringLiteral("读不出：%1").arg(document.file.error);
        break;
    case MessageFile::State::Read:
        state = saved.isEmpty() ? QStringLiteral("%1，%2 字节")
                                          .arg(encodingName(document.file.encoding))
                                          .arg(document.file.byteCount)
                                : saved;
        break;
    }
    document.state->setText(
            QStringLiteral("<b>%1</b>　%2　%3").arg(document.title, document.fileName, state));
}

void EditorWindow::letterChanged()
{
    m_letterText = showTextFromEditor(m_letterEdit);
    m_preview->setLetter(m_letterText);
    m_analysisTimer.start();
}

void EditorWindow::declarationChanged()
{
    m_declarationText = showTextFromEditor(m_declarationEdit);
    m_preview->setDeclaration(m_declarationText);
    m_analysisTimer.start();
}

void EditorWindow::ownAssetsChanged()
{
    m_preview->rebuild(AssetSource(m_ownAssets->carried(), true));
    runAnalysis();
}

void EditorWindow::runAnalysis()
{
    m_analysisTimer.stop();
    m_analysis = analyseTexts(m_letterText, m_declarationText, StageLayout::standard(),
                              carriedMusicSeconds(m_ownAssets->carried()));
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
            m_warnings->addItem(noProblemsFound);
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
    QPlainTextEdit *edit = file == FileNames::letter ? m_letterEdit
            : file == FileNames::declaration         ? m_declarationEdit
                                                     : nullptr;
    if (!edit || line < 1)
        return;
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
            QStringLiteral("%1 第 %2 行").arg(file).arg(edit->textCursor().blockNumber() + 1));
}

bool EditorWindow::hasUnsavedChanges() const
{
    return m_letterEdit->document()->isModified() || m_declarationEdit->document()->isModified();
}

QString EditorWindow::statusText() const
{
    return m_status->text();
}

void EditorWindow::updateTitle()
{
    const QString name = QFileInfo(m_folder).fileName();
    setWindowTitle(QStringLiteral("%1[*] — Velmora 编辑器").arg(name.isEmpty() ? m_folder : name));
    setWindowModified(hasUnsavedChanges());
}

bool EditorWindow::save()
{
    QStringList saved;
    QStringList failures;
    for (Document *document : { &m_letter, &m_declaration }) {
        if (document->file.state == MessageFile::State::Unreadable)
            continue;
        const QString text = showTextFromEditor(document->edit);
        const SaveResult result = saveMessageFile(path(document->fileName), text);
        if (!result.ok) {
            failures << QStringLiteral("%1：%2").arg(document->fileName, result.error);
            continue;
        }
        document->file.state = MessageFile::State::Read;
        document->file.text = text;
        document->file.encoding = result.encoding == SavedEncoding::Gbk
                ? CodePage::FileEncoding::Gbk
                : CodePage::FileEncoding::Utf8WithMark;
        QString how = result.encoding == SavedEncoding::Gbk
                ? QStringLiteral("已保存为 GBK")
                : QStringLiteral("已保存为 UTF-8（带字节顺序标记），因为有 GBK 写不下的字符");
        const QString leftOut = result.leftOut == 0
                ? QString()
                : QStringLiteral(
                          "；%1 个残缺的字符（孤立的代理项）无法保存，已略去，放映时也不会显示")
                          .arg(result.leftOut);
        how += leftOut;
        document->edit->document()->setModified(false);
        showFileState(*document, how);
        saved << QStringLiteral("%1（%2%3）")
                         .arg(document->fileName, encodingName(result.encoding), leftOut);
    }
    if (!failures.isEmpty()) {
        const QString message = QStringLiteral("保存失败：\n%1\n\n文字都还在窗口里，没有丢失。"
                                               "请修好文件夹的权限或腾出磁盘空间后再保存。")
                                        .arg(failures.join(QLatin1Char('\n')));
        m_status->setText(QStringLiteral("保存失败：%1").arg(failures.join(QStringLiteral("；"))));
        reportProblem(message);
        return false;
    }
    m_status->setText(QStringLiteral("已保存：%1").arg(saved.join(QStringLiteral("，"))));
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
    m_status->setText(changed ? QStringLiteral("过长的行已在舞台右边处断开（Ctrl+Z 可以撤销）")
                              : QStringLiteral("没有超出舞台右边的行"));
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
        reportProblem(QStringLiteral("找不到放映程序 velmora：它既不在 %1，也不在编辑器旁边。")
                              .arg(m_folder));
        return;
    }
    if (!startShow(program, m_folder)) {
        reportProblem(QStringLiteral("放映程序 %1 启动不了。").arg(program));
        return;
    }
    m_status->setText(QStringLiteral("已保存，彩排开始了"));
}

void EditorWindow::closeEvent(QCloseEvent *event)
{
    if (!hasUnsavedChanges()) {
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
        event->accept();
        return;
    case EditorPrompts::UnsavedChoice::Cancel:
        event->ignore();
        return;
    }
}
