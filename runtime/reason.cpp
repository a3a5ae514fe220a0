#include "runtime/reason.h"

#include <QCoreApplication>

#include <cstring>

Reason::Reason(const char *sourceText)
    : m_source(sourceText)
{ }

Reason Reason::plain(const QString &text)
{
    Reason reason;
    reason.m_plain = text;
    return reason;
}

Reason &Reason::arg(const QString &value)
{
    m_args.append(plain(value));
    return *this;
}

Reason &Reason::arg(qint64 value)
{
    return arg(QString::number(value));
}

Reason &Reason::arg(const Reason &nested)
{
    m_args.append(nested);
    return *this;
}

QString Reason::text() const
{
    return worded(true);
}

QString Reason::untranslated() const
{
    return worded(false);
}

// %1 to %9 replaced in one pass, so that an argument holding "%2" stays as it is.
QString Reason::worded(bool translated) const
{
    if (!m_source)
        return m_plain;
    const QString pattern = translated ? QCoreApplication::translate(context, m_source)
                                       : QString::fromUtf8(m_source);
    QString out;
    out.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        const int index = i + 1 < pattern.size() ? pattern.at(i + 1).digitValue() : -1;
        if (c == QLatin1Char('%') && index >= 1 && index <= m_args.size()) {
            out += m_args.at(index - 1).worded(translated);
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

bool Reason::operator==(const Reason &other) const
{
    const bool sameSource = m_source == other.m_source
            || (m_source && other.m_source && std::strcmp(m_source, other.m_source) == 0);
    return sameSource && m_plain == other.m_plain && m_args == other.m_args;
}
