#pragma once

#include <QString>

// A box's prompt of two lines with an empty line between them.
inline QString twoLinePrompt(const QString &first, const QString &last)
{
    return first + QStringLiteral("\r\n") + QString() + QStringLiteral("\r\n") + last;
}
