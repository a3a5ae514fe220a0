#include "stage/buttonwords.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

std::optional<ButtonWords> ButtonWords::forLanguage(const QString &language, QString *problem)
{
    if (language == QLatin1String("zh_CN"))
        return ButtonWords { QStringLiteral("是(&Y)"), QStringLiteral("否(&N)"), {} };
    const ButtonWords english { QStringLiteral("&Yes"), QStringLiteral("&No"), QStringLiteral("OK") };
    if (language == QLatin1String("en"))
        return english;

    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // Exactly this language: Qt would take "qtbase_fr" for "fr_XX".
    const QString file = QStringLiteral("%1/qtbase_%2.qm").arg(folder, language);
    QTranslator translator;
    if (!QFileInfo::exists(file) || !translator.load(file)) {
        *problem = QCoreApplication::translate("ButtonWords",
                                               "there is no translation of Qt for \"%1\" here "
                                               "(qtbase_%1.qm in %2)")
                           .arg(language, folder);
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
