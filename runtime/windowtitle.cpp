// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/windowtitle.h"

QString asWindowTitle(const QString &title)
{
    QString escaped = title;
    return escaped.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}
