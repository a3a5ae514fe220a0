// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/folderwatch.h"

#include <QDir>
#include <QFileInfo>

FolderWatch::FolderWatch(const QString &folder, const QStringList &fileNames, QObject *parent)
    : QObject(parent)
    , m_folder(QDir(folder).absolutePath())
{
    for (const QString &name : fileNames)
        m_paths << QDir(folder).absoluteFilePath(name);
    // A save elsewhere is a write, a rename and a change of the folder: one report.
    m_settle.setSingleShot(true);
    m_settle.setInterval(150);
    connect(&m_settle, &QTimer::timeout, this, [this] {
        watchWhatIsThere();
        emit mayHaveChanged();
    });
    const auto changed = [this] {
        watchWhatIsThere();
        m_settle.start();
    };
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, changed);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, changed);
    watchWhatIsThere();
}

void FolderWatch::watchWhatIsThere()
{
    // A file renamed over may still be open (the program is, while the editor
    // reads what it carries): the system would go on watching the old one.
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    QStringList there;
    for (const QString &path : std::as_const(m_paths))
        if (QFileInfo::exists(path))
            there << path;
    if (!m_watcher.directories().contains(m_folder) && QFileInfo(m_folder).isDir())
        there << m_folder;
    if (!there.isEmpty())
        m_watcher.addPaths(there);
}
