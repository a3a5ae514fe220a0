// SPDX-License-Identifier: GPL-3.0-or-later
#include "stage/typewriter.h"

QString characterAt(const QString &source, qint64 revealPos)
{
    if (revealPos < 1 || revealPos > source.size())
        return {};
    return source.mid(revealPos - 1, 1);
}
