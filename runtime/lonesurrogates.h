#pragma once

#include <QString>

// Half characters: one unit of a UTF-16 pair without the other. No file
// encoding holds one and nothing draws one, so each reader and writer either
// replaces them or leaves them out.
namespace LoneSurrogates {
QString replaced(const QString &text, QChar replacement);
QString removed(const QString &text);
bool anyIn(const QString &text);
} // namespace LoneSurrogates
