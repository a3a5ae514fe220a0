// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/hostfiles.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <unistd.h>

// A fresh program folder for one test, with helpers for its files.
class TestFolder
{
public:
    explicit TestFolder(const QString &name = QStringLiteral("show"))
    {
        m_path = m_root.path() + QLatin1Char('/') + name;
        QDir().mkpath(m_path);
    }
    ~TestFolder()
    {
        for (const QString &mount : std::as_const(m_mounts))
            QProcess::execute(QStringLiteral("umount"), { mount });
    }

    QString path() const { return m_path; }
    QString file(const QString &name) const { return m_path + QLatin1Char('/') + name; }
    bool exists(const QString &name) const { return QFileInfo::exists(file(name)); }

    QByteArray read(const QString &name) const
    {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile f(file(name));
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(bytes);
    }
    void mkdir(const QString &name) const { QDir(m_path).mkdir(name); }
    // Others may look into the folder but change nothing in it.
    void letOthersLookIn() const
    {
        const auto lookIn = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
                | QFileDevice::ExeOther;
        QFile::setPermissions(m_root.path(), lookIn);
        QFile::setPermissions(m_path, lookIn);
    }

    // Root writes whatever the permissions say, so read-only for root takes a
    // read-only bind mount: only the tests labelled `mounts` make them.
    static bool mayMakeReadOnly()
    {
        return geteuid() != 0 || qEnvironmentVariableIsSet("VELMORA_TEST_MOUNTS");
    }
    // Read-only for real, also for root (file or folder).
    bool makeReadOnly(const QString &name = {})
    {
        const QString target = name.isEmpty() ? m_path : file(name);
        if (geteuid() != 0)
            return QFile::setPermissions(target,
                                         QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                                 | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        if (QProcess::execute(QStringLiteral("mount"), { "--bind", target, target }) != 0)
            return false;
        m_mounts.prepend(target);
        return QProcess::execute(QStringLiteral("mount"),
                                 { "-o", "remount,ro,bind", target, target })
                == 0;
    }

private:
    QTemporaryDir m_root;
    QString m_path;
    QStringList m_mounts;
};

// Makes the folder, or a file in it, read-only; skips the case where that
// would take a mount the test may not make.
#define MAKE_READ_ONLY(folder, ...)                                                          \
    do {                                                                                     \
        if (!TestFolder::mayMakeReadOnly())                                                  \
            QSKIP("read-only files need a mount as root: this case runs in ctest -L mounts"); \
        QVERIFY((folder).makeReadOnly(__VA_ARGS__));                                          \
    } while (false)
