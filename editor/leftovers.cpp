// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/leftovers.h"

#include "stage/programfiles.h"

#include <QDir>
#include <QRegularExpression>

namespace {
// Six letters and digits drawn at random mix capitals and small letters; a
// word someone chose ("backup", "Backup", "draft1") rarely does.
bool drawnAtRandom(const QString &suffix)
{
    static const QRegularExpression capital(QStringLiteral("[A-Z]"));
    static const QRegularExpression small(QStringLiteral("[a-z]"));
    static const QRegularExpression word(QStringLiteral("^[A-Z][a-z]+$"));
    return suffix.contains(capital) && suffix.contains(small) && !word.match(suffix).hasMatch();
}
} // namespace

QStringList removeLeftoverTemporaryFiles(const QString &folder)
{
    static const QRegularExpression temporary(
            QStringLiteral("^(velmora|%1|%2)\\.([A-Za-z0-9]{6})$")
                    .arg(QRegularExpression::escape(FileNames::letter),
                         QRegularExpression::escape(FileNames::declaration)));
    QStringList removed;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        const QRegularExpressionMatch match = temporary.match(name);
        if (match.hasMatch() && drawnAtRandom(match.captured(2)) && QFile::remove(dir.filePath(name)))
            removed << name;
    }
    return removed;
}
