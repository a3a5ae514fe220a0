// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QApplication;

// The language the editor speaks: Chinese for any Chinese locale, English
// (the texts as written) otherwise.
namespace EditorLanguage {

inline const QString chinese = QStringLiteral("zh_CN");
inline const QString english = QStringLiteral("en");

// The first of the desktop's languages ("zh-TW", "en-GB", "C"...) the editor
// speaks, English when it speaks none of them.
QString choose(const QStringList &uiLanguages);

// The editor's translation and Qt's own for `language`, and for Chinese a
// Chinese interface face.
void install(QApplication &app, const QString &language);

} // namespace EditorLanguage
