#include "stage/buttonwords.h"

#include "stage/words.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
QString translationsFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}
} // namespace

std::optional<ButtonWords> ButtonWords::forLanguage(const QString &language, Reason *problem)
{
    if (language == QLatin1String("zh_CN"))
        return ButtonWords { QStringLiteral("是(&Y)"), QStringLiteral("否(&N)"), QStringLiteral("确定") };
    const ButtonWords english { QStringLiteral("&Yes"), QStringLiteral("&No"), QStringLiteral("OK") };
    if (language == QLatin1String("en"))
        return english;

    const QString folder = translationsFolder();
    // Exactly this language: Qt would take "qtbase_fr" for "fr_XX".
    const QString file = QStringLiteral("%1/qtbase_%2.qm").arg(folder, language);
    QTranslator translator;
    if (!QFileInfo::exists(file) || !translator.load(file)) {
        *problem = Reason(QT_TRANSLATE_NOOP("Reason", "there is no translation of Qt for \"%1\" here "
                                                      "(qtbase_%1.qm in %2)"))
                           .arg(language)
                           .arg(folder);
        return std::nullopt;
    }
    // The texts Qt gives its standard buttons; a translation without one
    // leaves it in English.
    auto translated = [&](const char *text) {
        const QString words = translator.translate("QPlatformTheme", text);
        return words.isEmpty() ? QString::fromLatin1(text) : words;
    };
    return ButtonWords { translated("&Yes"), translated("&No"), translated("OK") };
}

QStringList ButtonWords::languages()
{
    QStringList languages { QStringLiteral("zh_CN"), QStringLiteral("en") };
    const QString prefix = QStringLiteral("qtbase_");
    const WordsField &buttons = *WordsField::byKey(QStringLiteral("buttons"));
    const QStringList files = QDir(translationsFolder())
                                      .entryList({ prefix + QStringLiteral("*.qm") }, QDir::Files,
                                                 QDir::Name);
    for (const QString &file : files) {
        const QString language = file.mid(prefix.size()).chopped(3);
        // Only a name the words take: qtbase_zh_Hant.qm, say, is left out.
        if (!languages.contains(language) && buttons.refusal(language).isEmpty())
            languages.append(language);
    }
    return languages;
}
