// SPDX-License-Identifier: GPL-3.0-or-later
#include "stage/wordsfile.h"

#include "runtime/carriedassets.h"
#include "runtime/linebreaks.h"

#include <QCoreApplication>

#include <algorithm>

namespace WordsFile {

namespace {
const QString crLf = QStringLiteral("\r\n");
const QByteArray entryVersionLine = QByteArrayLiteral("velmora-words 1\n");

struct WordsFileText
{
    Q_DECLARE_TR_FUNCTIONS(WordsFile)
};

// What follows a "=" or a "|": one space belongs to the syntax.
QString afterMark(const QString &line, qsizetype mark)
{
    const qsizetype from = mark + 1;
    return line.mid(from < line.size() && line[from] == QLatin1Char(' ') ? from + 1 : from);
}

// Whether the one-line rule alone refuses `value`.
bool breaksOnlyOneLine(const WordsField &field, const QString &value)
{
    return field.breaksOneLine(value) && !value.contains(QChar(0)) && value.size() <= field.maxLength;
}

QString written(const QString &key, const QString &text)
{
    const QStringList lines = LineBreaks::toLf(text).split(QLatin1Char('\n'));
    QString out = key + QStringLiteral(" =") + (lines.first().isEmpty() ? QString() : QStringLiteral(" "))
            + lines.first() + QLatin1Char('\n');
    for (qsizetype i = 1; i < lines.size(); ++i)
        out += (lines[i].isEmpty() ? QStringLiteral("|") : QStringLiteral("| ") + lines[i])
                + QLatin1Char('\n');
    return out;
}
} // namespace

Read parse(const QString &text, int firstLine)
{
    Read read;
    QStringList lines = LineBreaks::toLf(text).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the break that ends the last line
    QList<int> &givenOn = read.linesGiven;
    QList<QString> values;
    auto problem = [&](int line, const Reason &message) { read.problems.append({ line, message }); };

    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        const int number = firstLine + int(i);
        if (line.startsWith(QLatin1Char('#')) || line.trimmed().isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('|'))) {
            if (values.isEmpty())
                problem(number, Reason(QT_TRANSLATE_NOOP("Reason", "a continued line (\"|\") with no \"key = text\" above it")));
            else
                values.last() += crLf + afterMark(line, 0);
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QString key = line.left(equals).trimmed();
        if (equals < 0 || key.isEmpty()) {
            problem(number, Reason(QT_TRANSLATE_NOOP("Reason", "not \"key = text\", a comment (\"#\") or a continued line (\"|\")")));
            continue;
        }
        if (!WordsField::byKey(key)) {
            problem(number, Reason(QT_TRANSLATE_NOOP("Reason", "unknown key \"%1\"")).arg(key));
            continue;
        }
        if (const qsizetype before = read.keysGiven.indexOf(key); before >= 0) {
            problem(number, Reason(QT_TRANSLATE_NOOP("Reason", "%1 is given again (first on line %2)")).arg(key).arg(givenOn[before]));
            continue;
        }
        read.keysGiven.append(key);
        givenOn.append(number);
        values.append(afterMark(line, equals));
    }
    for (qsizetype i = 0; i < read.keysGiven.size(); ++i) {
        const WordsField &field = *WordsField::byKey(read.keysGiven[i]);
        if (const Reason refusal = field.refusal(values[i]); !refusal.isEmpty())
            read.problems.append({ givenOn[i], refusal, breaksOnlyOneLine(field, values[i]) });
        read.words.*field.member = values[i];
    }
    std::sort(read.problems.begin(), read.problems.end(),
              [](const Problem &a, const Problem &b) { return a.line < b.line; });
    return read;
}

QString write(const Words &words)
{
    QString out = WordsFileText::tr("# The show's words. Each text stands after \"key =\" and one space;\n"
                     "# a line starting with \"|\" goes on with the text above on a new line.\n"
                     "# A key left out keeps its default. Only http and https addresses are opened.\n"
                     "# buttons: the language of the Yes/No buttons by Qt's translation (zh_CN, en, de...).\n");
    for (const WordsField &field : WordsField::all())
        out += written(field.key, words.*field.member);
    return out;
}

QStringList changedKeys(const Words &words)
{
    const Words defaults;
    QStringList keys;
    for (const WordsField &field : WordsField::all())
        if (words.*field.member != defaults.*field.member)
            keys.append(field.key);
    return keys;
}

QByteArray toEntry(const Words &words)
{
    QString body;
    for (const QString &key : changedKeys(words))
        body += written(key, words.*WordsField::byKey(key)->member);
    return entryVersionLine + body.toUtf8();
}

namespace {
// Takes an unknown presentation out of `read`'s problems: the window instead.
void settleUnknownPresentation(Read &read, Reason *note)
{
    const qsizetype at = read.keysGiven.indexOf(QStringLiteral("presentation"));
    if (at < 0 || Presentation::known(read.words.presentation))
        return;
    const int line = read.linesGiven[at];
    read.problems.removeIf([line](const Problem &problem) { return problem.line == line; });
    if (note)
        *note = Reason(QT_TRANSLATE_NOOP("Reason", "the presentation \"%1\" is not one this program knows; the show plays in its window"))
                        .arg(read.words.presentation.left(16));
    read.words.presentation = Presentation::window;
}
} // namespace

Words fromEntry(const QByteArray &entry, Reason *problem, Reason *note)
{
    if (!entry.startsWith(entryVersionLine)) {
        *problem = Reason(QT_TRANSLATE_NOOP("Reason", "the show's words are of a version this program does not read"));
        return {};
    }
    const QByteArray body = entry.mid(entryVersionLine.size());
    const QString text = QString::fromUtf8(body);
    if (text.toUtf8() != body) {
        *problem = Reason(QT_TRANSLATE_NOOP("Reason", "the show's words are no UTF-8 text"));
        return {};
    }
    Read read = parse(text, 2);
    settleUnknownPresentation(read, note);
    const auto damage = std::find_if(read.problems.begin(), read.problems.end(),
                                     [](const Problem &p) { return !p.breaksOneLine; });
    if (damage != read.problems.end()) {
        *problem = Reason(QT_TRANSLATE_NOOP("Reason", "the show's words are damaged (line %1: %2)"))
                           .arg(damage->line)
                           .arg(damage->message);
        return {};
    }
    return read.words;
}

Words carriedBy(const CarriedAssets &carried, Reason *problem, Reason *note)
{
    Reason why;
    const auto entry = carried.bytes(AssetBundle::Keys::words, &why);
    if (!entry) {
        if (!why.isEmpty())
            *problem = why;
        return {};
    }
    return fromEntry(*entry, problem, note);
}

} // namespace WordsFile
