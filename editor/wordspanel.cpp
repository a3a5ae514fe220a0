// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/wordspanel.h"

#include "editor/boxpreview.h"
#include "editor/editorwindow.h"
#include "runtime/carriedassets.h"
#include "stage/buttonwords.h"
#include "stage/wordsfile.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>

#include <algorithm>

namespace {
// The fields in the order the show says them, each box's title above its prompt.
struct Row
{
    // Starts a group of fields under this heading; a box's group is headed
    // by the box's name.
    const char *heading;
    const char *key;
    const char *label;
};
const char *const boxHeading = "";
const Row rows[] = {
    { QT_TRANSLATE_NOOP("WordsPanel", "The window and the stage"), "presentation",
      QT_TRANSLATE_NOOP("WordsPanel", "Presented") },
    { nullptr, "caption", QT_TRANSLATE_NOOP("WordsPanel", "Window caption") },
    { nullptr, "question", QT_TRANSLATE_NOOP("WordsPanel", "Question beside the girl") },
    { boxHeading, "question.title", QT_TRANSLATE_NOOP("WordsPanel", "Title") },
    { nullptr, "question.prompt", QT_TRANSLATE_NOOP("WordsPanel", "Prompt") },
    { boxHeading, "matchmaker.title", QT_TRANSLATE_NOOP("WordsPanel", "Title") },
    { nullptr, "matchmaker.prompt", QT_TRANSLATE_NOOP("WordsPanel", "Prompt") },
    { QT_TRANSLATE_NOOP("WordsPanel", "The film"), "film.caption",
      QT_TRANSLATE_NOOP("WordsPanel", "Window caption while it plays") },
    { boxHeading, "plea.title", QT_TRANSLATE_NOOP("WordsPanel", "Title") },
    { nullptr, "plea.prompt", QT_TRANSLATE_NOOP("WordsPanel", "Prompt") },
    { boxHeading, "plea.matchmaker.title", QT_TRANSLATE_NOOP("WordsPanel", "Title") },
    { nullptr, "plea.matchmaker.prompt", QT_TRANSLATE_NOOP("WordsPanel", "Prompt") },
    { boxHeading, "vow.title", QT_TRANSLATE_NOOP("WordsPanel", "Title") },
    { nullptr, "vow.prompt", QT_TRANSLATE_NOOP("WordsPanel", "Prompt") },
    { QT_TRANSLATE_NOOP("WordsPanel", "After a yes"), "address",
      QT_TRANSLATE_NOOP("WordsPanel", "Matchmaking page") },
    { QT_TRANSLATE_NOOP("WordsPanel", "Buttons"), "buttons",
      QT_TRANSLATE_NOOP("WordsPanel", "Language of the boxes' buttons") },
};

constexpr int maxPreviewHeight = 320;

// The question and the boxes' prompts have lines; the rest is one line.
bool hasLines(const WordsField &field)
{
    return field.key == QLatin1String("question") || field.key.endsWith(QLatin1String(".prompt"));
}

// A language by its own name, as its speakers know it.
QString languageName(const QString &language)
{
    const QLocale locale(language);
    if (locale.language() == QLocale::C)
        return language;
    const QString name = language.contains(QLatin1Char('_'))
            ? QStringLiteral("%1, %2").arg(locale.nativeLanguageName(),
                                           locale.nativeTerritoryName())
            : locale.nativeLanguageName();
    return QStringLiteral("%1 (%2)").arg(name, language);
}
} // namespace

QWidget *WordsPanel::Field::editor() const
{
    if (line)
        return line;
    if (text)
        return text;
    return choice;
}

WordsPanel::WordsPanel(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    m_problem = new QLabel(this);
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #b00000"));
    m_problem->hide();
    layout->addWidget(m_problem);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidget(createFields());
    layout->addWidget(m_scroll, 1);
    layout->addWidget(createBoxPreview());

    m_redrawTimer.setSingleShot(true);
    m_redrawTimer.setInterval(0); // keystrokes that arrive together draw the box once
    connect(&m_redrawTimer, &QTimer::timeout, this, &WordsPanel::redrawBox);
    m_redrawTimer.start();
}

QWidget *WordsPanel::createFields()
{
    auto *fields = new QWidget(this);
    auto *grid = new QGridLayout(fields);
    grid->setColumnStretch(1, 1);
    int row = 0;
    for (const Row &entry : rows) {
        const QString key = QString::fromLatin1(entry.key);
        if (entry.heading == boxHeading)
            addHeading(grid, row, ShowBox::saying(key)->name());
        else if (entry.heading)
            addHeading(grid, row, tr(entry.heading));
        addField(grid, row, key, tr(entry.label));
    }
    grid->setRowStretch(row, 1);
    return fields;
}

void WordsPanel::addHeading(QGridLayout *grid, int &row, const QString &heading)
{
    auto *label = new QLabel(QStringLiteral("<b>%1</b>").arg(heading.toHtmlEscaped()));
    label->setContentsMargins(0, row == 0 ? 0 : 8, 0, 0);
    grid->addWidget(label, row++, 0, 1, 3);
}

void WordsPanel::addField(QGridLayout *grid, int &row, const QString &key, const QString &label)
{
    Field field = createField(key, label);
    auto *name = new QLabel(label);
    name->setBuddy(field.editor());
    grid->addWidget(name, row, 0, Qt::AlignTop | Qt::AlignLeft);
    grid->addWidget(field.editor(), row, 1);
    grid->addWidget(field.restore, row, 2, Qt::AlignTop);
    grid->addWidget(field.refusal, row + 1, 1, 1, 2);
    row += 2;
    m_fields.append(field);
    connectField(m_fields.size() - 1);
    fieldChanged(field);
}

WordsPanel::Field WordsPanel::createField(const QString &key, const QString &label)
{
    Field field;
    field.words = WordsField::byKey(key);
    if (field.words->kind == WordsField::Kind::Language
        || field.words->kind == WordsField::Kind::Presentation) {
        field.choice = new QComboBox;
        fillChoice(field, m_saved.*field.words->member);
    } else if (hasLines(*field.words)) {
        field.text = new QPlainTextEdit;
        field.text->setTabChangesFocus(true);
        field.text->setLineWrapMode(QPlainTextEdit::NoWrap); // a line here is a line there
        field.text->setPlainText(editorTextFromShow(m_saved.*field.words->member));
        fitHeight(field.text);
    } else {
        field.line = new QLineEdit;
        field.line->setText(m_saved.*field.words->member);
    }
    QWidget *editor = field.editor();
    const ShowBox *box = ShowBox::saying(key);
    editor->setAccessibleName(box ? QStringLiteral("%1: %2").arg(box->name(), label) : label);
    editor->installEventFilter(this);
    field.restore = new QPushButton(tr("Restore default"));
    field.restore->setAccessibleName(tr("Restore default: %1").arg(editor->accessibleName()));
    field.refusal = new QLabel;
    field.refusal->setWordWrap(true);
    field.refusal->setStyleSheet(QStringLiteral("color: #b00000"));
    field.refusal->setTextInteractionFlags(Qt::TextSelectableByMouse);
    field.refusal->hide();
    return field;
}

void WordsPanel::connectField(qsizetype index)
{
    const Field &field = m_fields[index];
    // Looked up afresh: the list grows while the fields are made.
    const auto changed = [this, index] { fieldChanged(m_fields[index]); };
    if (field.choice) {
        connect(field.choice, &QComboBox::currentIndexChanged, this, changed);
    } else if (field.text) {
        connect(field.text->document(), &QTextDocument::contentsChanged, this, changed);
        connect(field.text->horizontalScrollBar(), &QScrollBar::rangeChanged, this,
                [this, edit = field.text] { fitHeight(edit); });
    } else {
        connect(field.line, &QLineEdit::textChanged, this, changed);
    }
    connect(field.restore, &QPushButton::clicked, this, [this, index] {
        const Field &chosen = m_fields[index];
        setValue(chosen.words->key, Words().*chosen.words->member);
        chosen.editor()->setFocus(Qt::OtherFocusReason);
    });
}

QWidget *WordsPanel::createBoxPreview()
{
    auto *area = new QWidget(this);
    auto *layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *header = new QHBoxLayout;
    auto *label = new QLabel(tr("The box as the show raises it:"), area);
    m_boxChoice = new QComboBox(area);
    for (const ShowBox &box : ShowBox::all())
        m_boxChoice->addItem(box.name());
    label->setBuddy(m_boxChoice);
    header->addWidget(label);
    header->addWidget(m_boxChoice);
    header->addStretch(1);
    layout->addLayout(header);
    m_boxPreview = new BoxPreview(area);
    m_boxScroll = new QScrollArea(area);
    m_boxScroll->setWidget(m_boxPreview);
    m_boxScroll->setWidgetResizable(true);
    m_boxScroll->setBackgroundRole(QPalette::Dark);
    layout->addWidget(m_boxScroll);
    connect(m_boxChoice, &QComboBox::currentIndexChanged, &m_redrawTimer,
            qOverload<>(&QTimer::start));
    return area;
}

void WordsPanel::fillChoice(const Field &field, const QString &current)
{
    if (field.words->kind == WordsField::Kind::Language) {
        fillLanguages(field.choice, current);
        return;
    }
    const QSignalBlocker quiet(field.choice);
    field.choice->clear();
    field.choice->addItem(tr("In its window, as built"), QString(Presentation::window));
    field.choice->addItem(tr("On the whole screen"), QString(Presentation::screen));
    field.choice->setCurrentIndex(std::max(0, field.choice->findData(current)));
}

void WordsPanel::fillLanguages(QComboBox *choice, const QString &current)
{
    const QSignalBlocker quiet(choice);
    choice->clear();
    for (const QString &language : ButtonWords::languages())
        choice->addItem(languageName(language), language);
    if (choice->findData(current) < 0)
        choice->addItem(tr("%1 (not installed here)").arg(current), current);
    choice->setCurrentIndex(choice->findData(current));
}

void WordsPanel::fitHeight(QPlainTextEdit *edit)
{
    const int lines = std::clamp(edit->document()->blockCount(), 2, 9);
    const int frame = 2 * edit->frameWidth() + int(2 * edit->document()->documentMargin());
    // A line wider than the field brings a scroll bar, which takes a line's room.
    const int scrollBar = edit->horizontalScrollBar()->maximum() > 0
            ? edit->horizontalScrollBar()->sizeHint().height()
            : 0;
    edit->setFixedHeight(edit->fontMetrics().lineSpacing() * lines + frame + scrollBar + 2);
}

const WordsPanel::Field *WordsPanel::field(const QString &key) const
{
    for (const Field &field : m_fields)
        if (field.words->key == key)
            return &field;
    return nullptr;
}

QString WordsPanel::valueOf(const Field &field) const
{
    if (field.choice)
        return field.choice->currentData().toString();
    if (field.text)
        return showTextFromEditor(field.text);
    return field.line->text();
}

void WordsPanel::put(const Field &field, const QString &value)
{
    if (valueOf(field) == value)
        return;
    if (field.choice) {
        if (field.choice->findData(value) < 0)
            fillChoice(field, value);
        field.choice->setCurrentIndex(field.choice->findData(value));
    } else if (field.text) {
        // One step Ctrl+Z undoes.
        QTextCursor cursor(field.text->document());
        cursor.beginEditBlock();
        cursor.select(QTextCursor::Document);
        cursor.insertText(editorTextFromShow(value));
        cursor.endEditBlock();
    } else {
        field.line->selectAll();
        field.line->insert(value);
    }
}

Words WordsPanel::words() const
{
    Words words;
    for (const Field &field : m_fields)
        words.*field.words->member = valueOf(field);
    return words;
}

QMap<QString, QString> WordsPanel::unsavedValues() const
{
    QMap<QString, QString> unsaved;
    for (const Field &field : m_fields)
        if (const QString value = valueOf(field); value != m_saved.*field.words->member)
            unsaved.insert(field.words->key, value);
    return unsaved;
}

QString WordsPanel::value(const QString &key) const
{
    const Field *found = field(key);
    return found ? valueOf(*found) : QString();
}

void WordsPanel::setValue(const QString &key, const QString &value)
{
    if (const Field *found = field(key))
        put(*found, value);
}

QPushButton *WordsPanel::restoreButton(const QString &key) const
{
    const Field *found = field(key);
    return found ? found->restore : nullptr;
}

QString WordsPanel::refusalShown(const QString &key) const
{
    const Field *found = field(key);
    return found && !found->refusal->isHidden() ? found->refusal->text() : QString();
}

void WordsPanel::fieldChanged(const Field &field)
{
    const QString value = valueOf(field);
    field.restore->setEnabled(value != Words().*field.words->member);
    const Reason refusal = field.words->refusal(value);
    field.refusal->setText(refusal.isEmpty() ? QString() : tr("Not saved: %1").arg(refusal.text()));
    field.refusal->setVisible(!refusal.isEmpty());
    if (field.text)
        fitHeight(field.text);
    if (field.choice || ShowBox::saying(field.words->key))
        m_redrawTimer.start();
    if (!m_following)
        emit edited();
}

void WordsPanel::follow(const CarriedAssets &carried)
{
    Reason problem;
    const Words now = WordsFile::carriedBy(carried, &problem);
    m_problem->setText(problem.isEmpty()
                               ? QString()
                               : tr("The words the program carries cannot be used (%1); "
                                    "the show says its own.")
                                         .arg(problem.text()));
    m_problem->setVisible(!problem.isEmpty());
    {
        const QScopedValueRollback quiet(m_following, true);
        for (const Field &field : std::as_const(m_fields))
            if (valueOf(field) == m_saved.*field.words->member)
                put(field, now.*field.words->member);
    }
    m_saved = now;
    emit edited();
}

Words WordsPanel::wordsToSave() const
{
    Words words = m_saved;
    for (const Field &field : m_fields) {
        const QString value = valueOf(field);
        if (field.words->refusal(value).isEmpty())
            words.*field.words->member = value;
    }
    return words;
}

QStringList WordsPanel::refusals() const
{
    QStringList refused;
    for (const Field &field : m_fields)
        if (const Reason refusal = field.words->refusal(valueOf(field)); !refusal.isEmpty())
            refused << refusal.text();
    return refused;
}

void WordsPanel::markSaved(const Words &words)
{
    m_saved = words;
    emit edited();
}

void WordsPanel::goTo(const QString &key, int line)
{
    const Field *found = field(key);
    if (!found)
        return;
    QWidget *editor = found->editor();
    m_scroll->ensureWidgetVisible(editor);
    editor->setFocus(Qt::OtherFocusReason);
    if (found->text) {
        const QTextBlock block = found->text->document()->findBlockByNumber(line - 1);
        QTextCursor cursor = block.isValid() ? QTextCursor(block) : QTextCursor(found->text->document());
        cursor.movePosition(block.isValid() ? QTextCursor::EndOfBlock : QTextCursor::End);
        found->text->setTextCursor(cursor);
    }
}

void WordsPanel::previewBox(const ShowBox &box)
{
    m_boxChoice->setCurrentIndex(int(&box - ShowBox::all().data()));
    redrawBox();
}

const ShowBox &WordsPanel::previewedBox() const
{
    return ShowBox::all()[std::max(0, m_boxChoice->currentIndex())];
}

void WordsPanel::redrawBox()
{
    m_redrawTimer.stop();
    m_boxPreview->showBox(previewedBox(), words());
    fitBoxPreview();
}

void WordsPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitBoxPreview();
}

void WordsPanel::fitBoxPreview()
{
    // As high as the box, up to a part of the room; a larger one scrolls.
    const int frame = 2 * m_boxScroll->frameWidth();
    const int scrollBar = m_boxPreview->sizeHint().width() + frame > m_boxScroll->width()
            ? m_boxScroll->horizontalScrollBar()->sizeHint().height()
            : 0;
    m_boxScroll->setFixedHeight(std::min(m_boxPreview->sizeHint().height() + frame + scrollBar,
                                         maxPreviewHeight));
}

// A box's field taking the focus brings that box into the preview.
bool WordsPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        for (const Field &field : std::as_const(m_fields))
            if (field.editor() == watched)
                if (const ShowBox *box = ShowBox::saying(field.words->key))
                    previewBox(*box);
    }
    return QWidget::eventFilter(watched, event);
}
