// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/chineseinterface.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QStringList chineseInterfaceFamilies()
{
    return { QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei") };
}

QFont chineseInterfaceFont()
{
    QFont font;
    font.setFamilies(chineseInterfaceFamilies());
    font.setPointSize(10);
    return font;
}

void useChineseInterface(QApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);

    QApplication::setFont(chineseInterfaceFont());
}
