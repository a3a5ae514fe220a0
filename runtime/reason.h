// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// Why something could not be done, as a value: a source text marked with
// QT_TRANSLATE_NOOP("Reason", ...) and the arguments its %1, %2... stand for.
// The library that finds a problem says what it is; whoever tells a person
// words it, in that person's language (text()) or as written (untranslated()).
// An argument is a plain text (a file name, a system's error) or a reason of
// its own ("the music", worded in the same language).
class Reason
{
public:
    Reason() = default; // none
    explicit Reason(const char *sourceText);
    // A text that is not translated: the operating system's words, say.
    static Reason plain(const QString &text);

    Reason &arg(const QString &value);
    Reason &arg(qint64 value);
    Reason &arg(const Reason &nested);

    bool isEmpty() const { return !m_source && m_plain.isEmpty(); }
    // In the language of the translations installed in the application.
    QString text() const;
    QString untranslated() const;

    bool operator==(const Reason &other) const;

    static constexpr const char *context = "Reason";

private:
    QString worded(bool translated) const;

    const char *m_source = nullptr;
    QString m_plain;
    QList<Reason> m_args;
};
