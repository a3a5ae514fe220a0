#pragma once

#include "desktop/privatefolder.h"

#include <QLocalServer>
#include <QLockFile>
#include <QObject>

// One program of a kind per folder: one show, one editor. The program that
// starts first holds a lock named after its kind and its folder and listens
// for later starts; a later start asks it to come forward and leaves. Lock and
// socket lie in a folder only the user can enter (PrivateFolder), not in the
// program folder, which is the preparer's. A program that crashed or was killed leaves a lock whose
// process is gone: the next start takes it over. Kinds do not meet: the show
// and the editor run on one folder side by side.
class SingleShow : public QObject
{
    Q_OBJECT
public:
    // `kind` names the program in the lock's name ("velmora" for the show).
    explicit SingleShow(const QString &programFolder,
                        const QString &kind = QStringLiteral("velmora"), QObject *parent = nullptr);
    SingleShow(const QString &programFolder, const QString &kind, const PrivateFolder &folder,
               QObject *parent = nullptr);

    // AnotherRuns: it was asked to come forward. Unreachable: it holds the
    // lock but did not answer (it may be stopped in a debugger). Unguarded:
    // there is no private folder for the lock (unguarded() says why); the
    // program runs without the guard rather than not at all.
    enum class Start { First, AnotherRuns, Unreachable, Unguarded };
    Reason unguarded() const { return m_unguarded; }
    // Tries for up to `patienceMs` to become the folder's show or to reach the
    // one that is: a show that is just ending holds the lock but no longer
    // listens.
    Start claimOrCallForward(int patienceMs = 3000);

signals:
    // A later start asked for the window.
    void forwardRequested();

private:
    void listen();
    QString serverName() const;

    QString m_name;
    QLockFile m_lock;
    QLocalServer m_server;
    Reason m_unguarded;
};
