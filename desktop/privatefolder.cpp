#include "desktop/privatefolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {
PrivateFolder refused(const Reason &problem)
{
    return PrivateFolder { {}, problem };
}
} // namespace

PrivateFolder PrivateFolder::forThisUser()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return PrivateFolder { runtime, {} };
    return within(QDir::tempPath(), ::getuid());
}

PrivateFolder PrivateFolder::within(const QString &temporary, uint uid)
{
    const QString path = QStringLiteral("%1/velmora-%2").arg(temporary).arg(uid);
    const QByteArray name = QFile::encodeName(path);
    if (::mkdir(name.constData(), S_IRWXU) != 0 && errno != EEXIST)
        return refused(Reason(QT_TRANSLATE_NOOP("Reason", "%1 cannot be made: %2"))
                               .arg(path)
                               .arg(QString::fromLocal8Bit(std::strerror(errno))));
    // Looked at without following a link: a link there is someone else's doing.
    struct stat found {};
    if (::lstat(name.constData(), &found) != 0 || !S_ISDIR(found.st_mode))
        return refused(Reason(QT_TRANSLATE_NOOP("Reason", "%1 is not a folder")).arg(path));
    if (found.st_uid != uid)
        return refused(Reason(QT_TRANSLATE_NOOP("Reason", "%1 belongs to another user")).arg(path));
    if ((found.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        return refused(Reason(QT_TRANSLATE_NOOP("Reason", "%1 is open to other users")).arg(path));
    return PrivateFolder { path, {} };
}
