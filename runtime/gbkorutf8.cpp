// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/gbkorutf8.h"

#include "runtime/codepage.h"

#include <QString>

namespace {
bool isAsciiLetterOrDigit(QChar c)
{
    return c.unicode() < 0x80 && c.isLetterOrNumber();
}

// Latin letters, combining accents and the signs of Latin-1 (° ± © ½) belong
// to text written in Latin letters: beside an ASCII letter or digit (café,
// 25°) they are taken as meant.
bool belongsToLatinText(QChar c)
{
    return c.script() == QChar::Script_Latin || c.isMark() || c.unicode() < 0x100;
}

// Characters below U+0800 (two bytes in UTF-8): Latin-1 and Latin Extended,
// combining accents, Greek, Cyrillic, Hebrew, Arabic and their neighbours.
bool holdsCharactersForeignToChinese(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() < 0x80 || c.unicode() >= 0x800)
            continue;
        const bool besideAscii = (i > 0 && isAsciiLetterOrDigit(text.at(i - 1)))
                || (i + 1 < text.size() && isAsciiLetterOrDigit(text.at(i + 1)));
        if (!(besideAscii && belongsToLatinText(c)))
            return true;
    }
    return false;
}

// Every double-byte character lies in GB2312: its symbol rows A1–A9 or its
// hanzi rows B0–F7, with trail bytes A1–FE. The few unassigned places in
// these rows are private-use characters in GBK.
bool readsAsCommonChinese(QByteArrayView bytes)
{
    const QString text = CodePage::fromAnsi(bytes.toByteArray());
    qsizetype character = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i, ++character) {
        const uchar lead = uchar(bytes[i]);
        if (lead < 0x80)
            continue;
        if (i + 1 == bytes.size())
            return false;
        const uchar trail = uchar(bytes[++i]);
        const bool gb2312Row = (lead >= 0xA1 && lead <= 0xA9) || (lead >= 0xB0 && lead <= 0xF7);
        if (!gb2312Row || trail < 0xA1 || trail == 0xFF)
            return false;
        if (character >= text.size() || text.at(character).category() == QChar::Other_PrivateUse)
            return false;
    }
    return true;
}
} // namespace

namespace CodePage {

bool meantAsGbk(QByteArrayView validUtf8)
{
    const QString utf8 = QString::fromUtf8(validUtf8);
    return holdsCharactersForeignToChinese(utf8) && readsAsCommonChinese(validUtf8);
}

} // namespace CodePage
