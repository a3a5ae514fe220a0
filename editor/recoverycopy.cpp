// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/recoverycopy.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
const QByteArray magic("VELMORA-RECOVERY");
// 1 held the letters alone; 2 adds the show's words.
constexpr quint32 version = 2;

QString canonicalFolder(const QString &folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QDir(folder).absolutePath()) : canonical;
}
} // namespace

RecoveryCopy::RecoveryCopy(const QString &showFolder, const QString &recoveryFolder)
    : m_showFolder(canonicalFolder(showFolder))
{
    const QByteArray hash = QCryptographicHash::hash(QFile::encodeName(m_showFolder),
                                                     QCryptographicHash::Sha256)
                                    .toHex()
                                    .left(24);
    m_path = recoveryFolder + QStringLiteral("/letters-") + QString::fromLatin1(hash)
            + QStringLiteral(".recovery");
}

QString RecoveryCopy::defaultFolder()
{
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!state.isEmpty() && QDir::isAbsolutePath(state))
        return state + QStringLiteral("/velmora-editor");
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

bool RecoveryCopy::exists() const
{
    return QFileInfo::exists(m_path);
}

bool RecoveryCopy::write(const QString &letter, const QString &declaration,
                         const QMap<QString, QString> &words) const
{
    // The letters are private: the folder and the copy are the user's alone.
    if (!QDir().mkpath(QFileInfo(m_path).path()))
        return false;
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QDataStream out(&file);
    out.setVersion(QDataStream::Qt_6_4);
    out.writeRawData(magic.constData(), int(magic.size()));
    out << version << m_showFolder << QDateTime::currentDateTimeUtc() << letter << declaration
        << words;
    return out.status() == QDataStream::Ok && file.commit();
}

std::optional<RecoveryCopy::Texts> RecoveryCopy::read() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly) || file.read(magic.size()) != magic)
        return std::nullopt;
    QDataStream in(&file);
    in.setVersion(QDataStream::Qt_6_4);
    quint32 readVersion = 0;
    QString folder;
    Texts texts;
    in >> readVersion >> folder >> texts.written >> texts.letter >> texts.declaration;
    if (readVersion >= 2)
        in >> texts.words;
    if (in.status() != QDataStream::Ok || readVersion < 1 || readVersion > version
        || folder != m_showFolder)
        return std::nullopt;
    return texts;
}

void RecoveryCopy::remove() const
{
    QFile::remove(m_path);
}
