#pragma once

#include "runtime/assetbundle.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QFile;
class QPixmap;

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
    QString problem() const { return m_directory.problem; }

    // The carried bytes for `key`, whole; nothing when none are carried or
    // they are damaged (then `problem` says why).
    std::optional<QByteArray> bytes(const QString &key, QString *problem = nullptr) const;

    // What the running show (or the editor's stage) uses in place of the
    // built-in assets. Reasons a replacement is not used go to standard
    // error, unless `quietly`.
    static void use(const CarriedAssets &assets, bool quietly = false);
    static const CarriedAssets &inUse();
    static std::optional<QByteArray> inUseBytes(const QString &key);

private:
    QString m_programPath;
    bool m_isProgram = false;
    std::shared_ptr<QFile> m_file;
    AssetBundle::Directory m_directory;
};

// A picture of the stage by its resource name (":/walking-figure.jpg",
// ":/walking-figure@2x.jpg", ...): the one carried in the program when it is
// whole, else the built-in one.
QPixmap loadStagePicture(const QString &resourceName);
