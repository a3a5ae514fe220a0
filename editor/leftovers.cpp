#include "editor/leftovers.h"

#include "files/programfiles.h"

#include <QDir>
#include <QRegularExpression>

namespace {
// Six letters and digits drawn at random: a word of one kind of character
// only is a name someone chose.
bool drawnAtRandom(const QString &suffix)
{
    const int kinds = int(suffix.contains(QRegularExpression(QStringLiteral("[a-z]"))))
            + int(suffix.contains(QRegularExpression(QStringLiteral("[A-Z]"))))
            + int(suffix.contains(QRegularExpression(QStringLiteral("[0-9]"))));
    return kinds >= 2;
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
