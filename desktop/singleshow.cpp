#include "desktop/singleshow.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>

namespace {
QString nameFor(const QString &folder, const QString &kind, const QString &programFolder)
{
    const QString canonical = QFileInfo(programFolder).canonicalFilePath();
    const QByteArray key = QFile::encodeName(canonical.isEmpty() ? programFolder : canonical);
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex();
    return folder + QLatin1Char('/') + kind + QLatin1Char('-') + QString::fromLatin1(hash.left(24));
}

bool callForward(const QString &serverName)
{
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(500))
        return false;
    // Being reached is the request; the show waits for nothing more.
    socket.disconnectFromServer();
    return true;
}
} // namespace

SingleShow::SingleShow(const QString &programFolder, const QString &kind, QObject *parent)
    : SingleShow(programFolder, kind, PrivateFolder::forThisUser(), parent)
{ }

SingleShow::SingleShow(const QString &programFolder, const QString &kind,
                       const PrivateFolder &folder, QObject *parent)
    : QObject(parent)
    , m_name(folder.path.isEmpty() ? QString() : nameFor(folder.path, kind, programFolder))
    , m_lock(m_name + QStringLiteral(".lock"))
    , m_unguarded(folder.problem)
{
    // A show lasts minutes, an editor hours: only a lock whose process is gone is stale.
    m_lock.setStaleLockTime(0);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection())
            socket->deleteLater();
        emit forwardRequested();
    });
}

SingleShow::Start SingleShow::claimOrCallForward(int patienceMs)
{
    if (m_name.isEmpty())
        return Start::Unguarded;
    const QDeadlineTimer deadline(patienceMs);
    for (;;) {
        if (m_lock.tryLock(0)) {
            listen();
            return Start::First;
        }
        if (callForward(serverName()))
            return Start::AnotherRuns;
        if (deadline.hasExpired())
            return Start::Unreachable;
        QThread::msleep(50);
    }
}

QString SingleShow::serverName() const
{
    return m_name + QStringLiteral(".socket");
}

void SingleShow::listen()
{
    // Only the holder of the lock listens: a socket left by a show that died
    // is its own to remove. Should listening fail, the show still runs; a
    // later start then finds it unreachable.
    QLocalServer::removeServer(serverName());
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(serverName());
}
