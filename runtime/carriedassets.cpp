#include "runtime/carriedassets.h"

#include <QCoreApplication>
#include <QFile>

CarriedAssets CarriedAssets::of(const QString &programPath)
{
    CarriedAssets assets;
    assets.m_programPath = programPath;
    // Kept open, so that the assets read later come from this very file even
    // when it is replaced meanwhile.
    auto file = std::make_shared<QFile>(programPath);
    if (!file->open(QIODevice::ReadOnly)) {
        assets.m_directory.problem
                = Reason(QT_TRANSLATE_NOOP("Reason", "cannot read the program file: %1"))
                          .arg(file->errorString());
        return assets;
    }
    const qint64 end = AssetBundle::elfImageEnd(*file);
    if (end < 0) {
        assets.m_directory.problem = Reason(QT_TRANSLATE_NOOP("Reason", "the file is not a program"));
        return assets;
    }
    assets.m_isProgram = true;
    assets.m_directory = AssetBundle::readDirectory(*file, end);
    if (!assets.m_directory.entries.isEmpty())
        assets.m_file = file;
    return assets;
}

std::optional<QByteArray> CarriedAssets::bytes(const QString &key, Reason *problem) const
{
    const AssetBundle::Entry *entry = find(key);
    if (!entry || !m_file)
        return std::nullopt;
    Reason why;
    const QByteArray read = AssetBundle::readEntry(*m_file, m_directory, *entry, &why);
    if (!why.isEmpty()) {
        if (problem)
            *problem = why;
        return std::nullopt;
    }
    return read;
}
