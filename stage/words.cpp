// SPDX-License-Identifier: GPL-3.0-or-later
#include "stage/words.h"

#include "stage/matchmaker.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QUrl>

QString Words::defaultAddress()
{
    return Matchmaker::builtAddress();
}

const QList<WordsField> &WordsField::all()
{
    using Kind = WordsField::Kind;
    constexpr qsizetype line = 200, box = 2000;
    static const QList<WordsField> fields {
        { QStringLiteral("caption"), &Words::caption, line, Kind::Text, true },
        { QStringLiteral("question"), &Words::question, box },
        { QStringLiteral("question.prompt"), &Words::questionPrompt, box },
        { QStringLiteral("question.title"), &Words::questionTitle, line, Kind::Text, true },
        { QStringLiteral("matchmaker.prompt"), &Words::matchmakerPrompt, box },
        { QStringLiteral("matchmaker.title"), &Words::matchmakerTitle, line, Kind::Text, true },
        { QStringLiteral("film.caption"), &Words::filmCaption, line, Kind::Text, true },
        { QStringLiteral("plea.prompt"), &Words::pleaPrompt, box },
        { QStringLiteral("plea.title"), &Words::pleaTitle, line, Kind::Text, true },
        { QStringLiteral("plea.matchmaker.prompt"), &Words::pleaMatchmakerPrompt, box },
        { QStringLiteral("plea.matchmaker.title"), &Words::pleaMatchmakerTitle, line, Kind::Text, true },
        { QStringLiteral("vow.prompt"), &Words::vowPrompt, box },
        { QStringLiteral("vow.title"), &Words::vowTitle, line, Kind::Text, true },
        { QStringLiteral("address"), &Words::address, 2000, Kind::Address },
        { QStringLiteral("buttons"), &Words::buttons, 16, Kind::Language },
        { QStringLiteral("presentation"), &Words::presentation, 16, Kind::Presentation },
    };
    return fields;
}

const WordsField *WordsField::byKey(const QString &key)
{
    for (const WordsField &field : all())
        if (field.key == key)
            return &field;
    return nullptr;
}

Reason WordsField::refusal(const QString &value) const
{
    if (value.contains(QChar(0)))
        return Reason(QT_TRANSLATE_NOOP("Reason", "%1 holds a NUL character")).arg(key);
    if (value.size() > maxLength)
        return Reason(QT_TRANSLATE_NOOP("Reason", "%1 is %2 characters long; at most %3 are taken"))
                .arg(key)
                .arg(value.size())
                .arg(maxLength);
    if (const auto c = breaksOneLine(value))
        return Reason(QT_TRANSLATE_NOOP("Reason", "%1 holds a line break or a control character (U+%2); it is shown on one line"))
                .arg(key)
                .arg(QStringLiteral("%1").arg(uint(*c), 4, 16, QLatin1Char('0')));
    switch (kind) {
    case Kind::Text:
        return {};
    case Kind::Address:
        return WordsRules::addressRefusal(value);
    case Kind::Language: {
        static const QRegularExpression localeName(QStringLiteral("^[a-z]{2,3}(_[A-Z]{2})?$"));
        if (!localeName.match(value).hasMatch())
            return Reason(QT_TRANSLATE_NOOP("Reason", "buttons \"%1\" is no language name such as zh_CN, en or de"))
                    .arg(value);
        return {};
    }
    case Kind::Presentation:
        if (!Presentation::known(value))
            return Reason(QT_TRANSLATE_NOOP("Reason", "presentation \"%1\" is neither \"window\" nor \"screen\""))
                    .arg(value);
        return {};
    }
    return {};
}

std::optional<char32_t> WordsField::breaksOneLine(const QString &value) const
{
    return oneLine ? WordsRules::controlCharacterIn(value) : std::nullopt;
}

std::optional<char32_t> WordsRules::controlCharacterIn(const QString &text)
{
    for (const char32_t c : text.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (category == QChar::Other_Control || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph)
            return c;
    }
    return std::nullopt;
}

Reason WordsRules::addressRefusal(const QString &address)
{
    for (const QChar c : address)
        if (c.isSpace() || c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return Reason(QT_TRANSLATE_NOOP("Reason", "the address \"%1\" holds a blank or a control character"))
                    .arg(address.simplified());
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return Reason(QT_TRANSLATE_NOOP("Reason", "the address \"%1\" is not an http or https address")).arg(address);
    if (url.host().isEmpty() || !address.startsWith(scheme + QLatin1String("://"), Qt::CaseInsensitive))
        return Reason(QT_TRANSLATE_NOOP("Reason", "the address \"%1\" names no site")).arg(address);
    return {};
}
