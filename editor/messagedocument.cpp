#include "editor/messagedocument.h"

#include "runtime/linebreaks.h"

#include <QPlainTextDocumentLayout>
#include <QTextCursor>
#include <QTextDocument>

QString showTextOf(const QTextDocument *document)
{
    // The text area keeps paragraphs, not line ends: each paragraph break is
    // a CR LF in the show's files.
    QString text = document->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    text.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return text;
}

QString editorTextFromShow(const QString &text)
{
    return LineBreaks::toLf(text);
}

MessageDocument::MessageDocument(const QString &folder, const QString &fileName,
                                 const QString &defaultText)
    : m_fileName(fileName)
    , m_path(folder + QLatin1Char('/') + fileName)
    , m_defaultText(defaultText)
    , m_text(new QTextDocument)
{
    m_text->setDocumentLayout(new QPlainTextDocumentLayout(m_text));
}

MessageDocument::~MessageDocument()
{
    delete m_text;
}

bool MessageDocument::isModified() const
{
    return m_text->isModified();
}

QString MessageDocument::showText() const
{
    return showTextOf(m_text);
}

void MessageDocument::replaceText(const QString &text)
{
    QTextCursor cursor(m_text);
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(editorTextFromShow(text));
    cursor.endEditBlock();
}

void MessageDocument::load()
{
    // Taken before reading: a change made meanwhile shows at the next check.
    m_disk = DiskState::of(m_path);
    m_file = MessageFile::read(m_path, m_defaultText);
    m_text->setPlainText(isReadOnly() ? QString() : editorTextFromShow(m_file.text));
    m_text->setModified(false);
    m_lastSave.reset();
    m_lost = false;
}

MessageDocument::DiskChange MessageDocument::diskChange() const
{
    const DiskState now = DiskState::of(m_path);
    if (now == m_disk)
        return DiskChange::None;
    return now.exists ? DiskChange::Changed : DiskChange::Deleted;
}

void MessageDocument::lostOnDisk()
{
    m_disk = DiskState::of(m_path);
    m_file.state = MessageFile::State::Missing;
    m_text->setModified(true);
    m_lost = true;
}

void MessageDocument::keepOverDisk()
{
    m_disk = DiskState::of(m_path);
}

Produced<SavedMessage> MessageDocument::save()
{
    const QString text = showText();
    Produced<SavedMessage> saved = saveMessageFile(m_path, text);
    if (!saved.ok())
        return saved;
    m_file.state = MessageFile::State::Read;
    m_file.text = text;
    m_file.encoding = saved->encoding == SavedEncoding::Gbk ? CodePage::FileEncoding::Gbk
                                                            : CodePage::FileEncoding::Utf8WithMark;
    m_disk = DiskState::of(m_path);
    m_text->setModified(false);
    m_lastSave = saved.value();
    m_lost = false;
    return saved;
}
