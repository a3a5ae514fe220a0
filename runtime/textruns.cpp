// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/textruns.h"

#include <QFontDatabase>
#include <QTextBoundaryFinder>

#include <unicode/uchar.h>

#include <algorithm>

namespace {
constexpr char32_t textSelector = 0xFE0E;
constexpr char32_t pictureSelector = 0xFE0F;
constexpr char32_t keycap = 0x20E3;
constexpr char32_t joiner = 0x200D;

bool has(const QList<uint> &codePoints, char32_t c)
{
    return codePoints.contains(c);
}

bool isTag(uint c)
{
    return c >= 0xE0020 && c <= 0xE007F;
}

// One grapheme cluster: is it an emoji drawn as a picture?
bool isEmojiPicture(const QString &cluster)
{
    const QList<uint> codePoints = cluster.toUcs4();
    if (codePoints.isEmpty() || has(codePoints, textSelector))
        return false;
    const UChar32 base = UChar32(codePoints.first());
    if (!u_hasBinaryProperty(base, UCHAR_EMOJI))
        return false;
    if (u_hasBinaryProperty(base, UCHAR_REGIONAL_INDICATOR))
        return true;
    const bool keycapBase = base == '#' || base == '*' || (base >= '0' && base <= '9');
    if (keycapBase)
        return has(codePoints, keycap) || has(codePoints, pictureSelector);
    if (u_hasBinaryProperty(base, UCHAR_EMOJI_PRESENTATION) || has(codePoints, pictureSelector))
        return true;
    return std::any_of(codePoints.begin() + 1, codePoints.end(), [](uint c) {
        return c == joiner || isTag(c) || u_hasBinaryProperty(UChar32(c), UCHAR_EMOJI_MODIFIER);
    });
}
} // namespace

QList<TextRun> emojiRuns(const QString &line)
{
    QList<TextRun> runs;
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, line);
    qsizetype start = 0;
    for (qsizetype end = clusters.toNextBoundary(); end > start; end = clusters.toNextBoundary()) {
        const bool emoji = isEmojiPicture(line.mid(start, end - start));
        if (!runs.isEmpty() && runs.last().emoji == emoji)
            runs.last().length += end - start;
        else
            runs.append({ start, end - start, emoji });
        start = end;
    }
    return runs;
}

qsizetype wholeClusters(const QString &typed, const QString &toCome)
{
    if (toCome.isEmpty() || typed.isEmpty())
        return typed.size();
    const qsizetype next = toCome.at(0).isHighSurrogate() && toCome.size() > 1 ? 2 : 1;
    const QString text = typed + toCome.left(next);
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, text);
    clusters.setPosition(typed.size());
    if (clusters.isAtBoundary())
        return typed.size();
    return std::max<qsizetype>(0, clusters.toPreviousBoundary());
}

bool mayHoldEmoji(const QString &line)
{
    return std::any_of(line.begin(), line.end(), [](QChar c) {
        return c.isSurrogate() || (c.unicode() >= 0x2000 && c.unicode() < 0x3300)
                || c.unicode() == pictureSelector || c.unicode() == 0x00A9 || c.unicode() == 0x00AE;
    });
}

QString colourEmojiFamily()
{
    const QString family = QStringLiteral("Noto Color Emoji");
    return QFontDatabase::hasFamily(family) ? family : QString();
}
