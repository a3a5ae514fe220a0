// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>

// Tells when files of a folder may have changed on disk: written, replaced by
// a rename, deleted or made afresh. Changes that come together are told once,
// a moment later; whether anything really changed is for the listener to
// compare. A file replaced or deleted drops out of the system's watch: it is
// watched again as soon as it is there again.
class FolderWatch : public QObject
{
    Q_OBJECT
public:
    FolderWatch(const QString &folder, const QStringList &fileNames, QObject *parent = nullptr);

signals:
    void mayHaveChanged();

private:
    void watchWhatIsThere();

    QString m_folder;
    QStringList m_paths;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
};
