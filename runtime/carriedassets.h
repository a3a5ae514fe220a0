#pragma once

#include "runtime/assetbundle.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QFile;

// The replacements a program file carries after its end: what the show plays
// and draws instead of its built-in assets, and what the editor lists.
class CarriedAssets
{
public:
    CarriedAssets() = default;
    // Reads the directory of `programPath`'s bundle; the assets are read, and
    // their checksums tested, only when asked for.
    static CarriedAssets of(const QString &programPath);

    QString programPath() const { return m_programPath; }
    bool isProgram() const { return m_isProgram; }
    // Where the program proper ends: the bundle begins here.
    qint64 programEnd() const { return m_directory.start; }
    const QList<AssetBundle::Entry> &entries() const { return m_directory.entries; }
    const AssetBundle::Entry *find(const QString &key) const { return m_directory.find(key); }
    // Why the bundle is not used; empty when it is whole or there is none.
    Reason problem() const { return m_directory.problem; }

    // The carried bytes for `key`, whole; nothing when none are carried or
    // they are damaged (then `problem` says why).
    std::optional<QByteArray> bytes(const QString &key, Reason *problem = nullptr) const;

private:
    QString m_programPath;
    bool m_isProgram = false;
    std::shared_ptr<QFile> m_file;
    AssetBundle::Directory m_directory;
};
