// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/editorlanguage.h"

#include "runtime/chineseinterface.h"

#include <QApplication>
#include <QTranslator>

namespace EditorLanguage {

QString choose(const QStringList &uiLanguages)
{
    for (const QString &language : uiLanguages) {
        const QString base = language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
        if (base.compare(QLatin1String("zh"), Qt::CaseInsensitive) == 0)
            return chinese;
        if (base.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0)
            return english;
    }
    return english;
}

void install(QApplication &app, const QString &language)
{
    if (language != chinese)
        return;
    auto *translator = new QTranslator(&app);
    if (translator->load(QStringLiteral(":/i18n/velmora-editor_zh_CN.qm")))
        QApplication::installTranslator(translator);
    useChineseInterface(app);
}

} // namespace EditorLanguage
