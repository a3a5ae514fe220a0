// SPDX-License-Identifier: GPL-3.0-or-later
#include "stage/typeface.h"

#include "runtime/carriedassets.h"

#include <QFontDatabase>

namespace Typeface {

namespace {
const QByteArray familyVersionLine = QByteArrayLiteral("velmora-family 1\n");

bool hasFontSignature(const QByteArray &bytes)
{
    static constexpr const char *signatures[] = { "\x00\x01\x00\x00", "OTTO", "true", "ttcf" };
    for (const char *signature : signatures)
        if (bytes.startsWith(QByteArray(signature, 4)))
            return true;
    return false;
}
} // namespace

QString key(Text text)
{
    return text == Text::Letter ? AssetBundle::Keys::letterTypeface
                                : AssetBundle::Keys::declarationTypeface;
}

Refusal checkFile(const QByteArray &bytes)
{
    if (bytes.size() > maxFileBytes)
        return Refusal::TooLarge;
    if (!hasFontSignature(bytes))
        return Refusal::NotAFont;
    const int id = QFontDatabase::addApplicationFontFromData(bytes);
    if (id < 0)
        return Refusal::Damaged;
    const bool named = !QFontDatabase::applicationFontFamilies(id).isEmpty();
    QFontDatabase::removeApplicationFont(id);
    return named ? Refusal::None : Refusal::Damaged;
}

QByteArray familyEntry(const QString &family)
{
    return familyVersionLine + family.toUtf8();
}

std::optional<QString> familyOf(const QByteArray &entry, Refusal *refusal)
{
    if (entry.startsWith(familyVersionLine)) {
        const QString family = QString::fromUtf8(entry.mid(familyVersionLine.size()));
        if (QFontDatabase::hasFamily(family))
            return family;
        *refusal = Refusal::NotInstalled;
        return std::nullopt;
    }
    if (const Refusal why = hasFontSignature(entry) ? Refusal::None : Refusal::NotAFont;
        why != Refusal::None) {
        *refusal = why;
        return std::nullopt;
    }
    const int id = QFontDatabase::addApplicationFontFromData(entry);
    const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        *refusal = Refusal::Damaged;
        return std::nullopt;
    }
    return families.first();
}

QFont applied(const QFont &stageFont, const QString &family)
{
    QFont font = stageFont;
    font.setFamilies(QStringList { family } + stageFont.families());
    return font;
}

QFont carriedFont(const CarriedAssets &carried, Text text, const QFont &stageFont,
                  Refusal *refusal)
{
    Reason problem;
    const auto entry = carried.bytes(key(text), &problem);
    if (!entry) {
        if (!problem.isEmpty())
            *refusal = Refusal::Damaged;
        return stageFont;
    }
    const std::optional<QString> family = familyOf(*entry, refusal);
    return family ? applied(stageFont, *family) : stageFont;
}

} // namespace Typeface
