#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>

// One show per program folder. The show that starts first holds a lock named
// after its folder and listens for later starts; a later start asks it to
// come forward and leaves. Lock and socket lie in the user's runtime folder,
// not in the program folder, which is the preparer's. A show that crashed or
// was killed leaves a lock whose process is gone: the next start takes it over.
class SingleShow : public QObject
{
    Q_OBJECT
public:
    explicit SingleShow(const QString &programFolder, QObject *parent = nullptr);

    // AnotherRuns: it was asked to come forward. Unreachable: it holds the
    // lock but did not answer (it may be stopped in a debugger).
    enum class Start { First, AnotherRuns, Unreachable };
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
};
