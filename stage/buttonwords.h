#pragma once

#include "runtime/reason.h"

#include <QString>
#include <QStringList>

#include <optional>

// What a box's buttons say in one language, accelerators included.
struct ButtonWords
{
    QString yes;
    QString no;
    QString ok; // empty: the one Qt gives

    // Chinese ("zh_CN"), English ("en", Qt's own words) or any language whose
    // translation of Qt (qtbase_XX.qm) is installed here; nothing, and why,
    // for any other.
    static std::optional<ButtonWords> forLanguage(const QString &language, Reason *problem);
    // The languages forLanguage() speaks here: zh_CN, en, then those of the
    // installed translations of Qt, by name.
    static QStringList languages();
};
