#include "runtime/lonesurrogates.h"

#include <optional>

namespace {
QString rewritten(const QString &text, std::optional<QChar> replacement)
{
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            kept.append(c).append(text.at(++i));
        else if (!c.isSurrogate())
            kept.append(c);
        else if (replacement)
            kept.append(*replacement);
    }
    return kept;
}
} // namespace

namespace LoneSurrogates {
QString replaced(const QString &text, QChar replacement)
{
    return anyIn(text) ? rewritten(text, replacement) : text;
}

QString removed(const QString &text)
{
    return anyIn(text) ? rewritten(text, std::nullopt) : text;
}

bool anyIn(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return true;
    }
    return false;
}
} // namespace LoneSurrogates
