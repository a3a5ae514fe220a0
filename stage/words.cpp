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
        { QStringLiteral("caption"), &Words::caption, line },
        { QStringLiteral("question"), &Words::question, box },
        { QStringLiteral("question.prompt"), &Words::questionPrompt, box },
        { QStringLiteral("question.title"), &Words::questionTitle, line },
        { QStringLiteral("matchmaker.prompt"), &Words::matchmakerPrompt, box },
        { QStringLiteral("matchmaker.title"), &Words::matchmakerTitle, line },
        { QStringLiteral("film.caption"), &Words::filmCaption, line },
        { QStringLiteral("plea.prompt"), &Words::pleaPrompt, box },
        { QStringLiteral("plea.title"), &Words::pleaTitle, line },
        { QStringLiteral("plea.matchmaker.prompt"), &Words::pleaMatchmakerPrompt, box },
        { QStringLiteral("plea.matchmaker.title"), &Words::pleaMatchmakerTitle, line },
        { QStringLiteral("vow.prompt"), &Words::vowPrompt, box },
        { QStringLiteral("vow.title"), &Words::vowTitle, line },
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
