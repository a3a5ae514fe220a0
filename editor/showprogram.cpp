// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/showprogram.h"

#include "editor/editortext.h"
#include "stage/programfiles.h"
#include "stage/showpace.h"
#include "stage/wordsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace {
// The mark the show's program holds (see show/showmark.cpp), put together here so
// that the editor itself does not hold it.
QByteArray showMark()
{
    return QByteArray("VELMORA-SHOW-") + QByteArray("PROGRAM-1");
}

bool holdsShowMark(QFile &file, qint64 programEnd)
{
    const uchar *bytes = file.map(0, programEnd);
    if (!bytes)
        return false;
    const bool found = QByteArrayView(bytes, programEnd).indexOf(showMark()) >= 0;
    file.unmap(const_cast<uchar *>(bytes));
    return found;
}

// The program proper, without what it carries, copied a megabyte at a time.
bool copyProgram(QFile &from, qint64 programEnd, QIODevice &to)
{
    if (!from.seek(0))
        return false;
    for (qint64 left = programEnd; left > 0;) {
        const QByteArray chunk = from.read(std::min<qint64>(left, 1 << 20));
        if (chunk.isEmpty() || to.write(chunk) != chunk.size())
            return false;
        left -= chunk.size();
    }
    return true;
}
// The new program, written whole beside the old one and renamed over it; why
// not, when it was not.
QString writeProgram(const CarriedAssets &carried, const QByteArray &bundle, const QString &path)
{
    QFile from(carried.programPath());
    QSaveFile to(path);
    const bool written = from.open(QIODevice::ReadOnly) && to.open(QIODevice::WriteOnly)
            && to.setPermissions(QFileInfo(from).permissions())
            && copyProgram(from, carried.programEnd(), to) && to.write(bundle) == bundle.size()
            && to.commit();
    if (written)
        return {};
    const QString error
            = from.error() != QFileDevice::NoError ? from.errorString() : to.errorString();
    return error.isEmpty() ? EditorText::tr("cannot write") : error;
}
} // namespace

ShowProgram::ShowProgram(const QString &folder)
    : m_path(QDir(folder).absoluteFilePath(FileNames::program))
{ }

ShowProgram ShowProgram::at(const QString &programPath)
{
    ShowProgram program;
    program.m_path = QFileInfo(programPath).absoluteFilePath();
    return program;
}

bool ShowProgram::exists() const
{
    return QFileInfo(m_path).isFile();
}

QString ShowProgram::installed()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + FileNames::program;
}

QString ShowProgram::source() const
{
    return exists() ? m_path : installed();
}

Produced<CarriedAssets> ShowProgram::read() const
{
    const QString path = source();
    if (!QFileInfo(path).isFile())
        return editorReason(EditorText::tr("there is no show program velmora in %1, nor beside the editor")
                                    .arg(QFileInfo(m_path).path()));
    CarriedAssets assets = CarriedAssets::of(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return editorReason(EditorText::tr("cannot read %1: %2").arg(path, file.errorString()));
    if (!assets.isProgram() || !holdsShowMark(file, assets.programEnd()))
        return editorReason(EditorText::tr("%1 is not a Velmora show program").arg(path));
    return assets;
}

Outcome ShowProgram::change(const QList<AssetBundle::Asset> &assets, const QStringList &dropped)
{
    const auto carried = read();
    if (!carried.ok())
        return carried.failure();

    // A picture given anew takes its larger versions with it: one it comes
    // without would show the old picture.
    QStringList gone = dropped;
    for (const AssetBundle::Asset &asset : assets)
        for (const QString &larger : { AssetBundle::Keys::doubled(asset.key), AssetBundle::Keys::fourfold(asset.key) })
            if (AssetBundle::Keys::isKnown(larger))
                gone.append(larger);
    QList<AssetBundle::Asset> kept;
    for (const AssetBundle::Entry &entry : carried->entries()) {
        const bool replaced = std::any_of(assets.begin(), assets.end(),
                                          [&](const auto &asset) { return asset.key == entry.key; });
        if (replaced || gone.contains(entry.key))
            continue;
        // A damaged one is of no use to the show; it goes.
        if (const auto bytes = carried->bytes(entry.key))
            kept.append({ entry.key, entry.sourceName, entry.durationMs, *bytes });
    }
    kept += assets;
    QByteArray bundle;
    if (!kept.isEmpty()) {
        Reason problem;
        bundle = AssetBundle::encode(kept, &problem);
        if (bundle.isEmpty())
            return problem;
    }

    const QDateTime stamp = QFileInfo(carried->programPath()).lastModified();
    if (const QString error = writeProgram(*carried, bundle, m_path); !error.isEmpty()) {
        // Measured once what the new program took so far has been given back.
        const qint64 needed = carried->programEnd() + bundle.size();
        const qint64 left = QStorageInfo(QFileInfo(m_path).path()).bytesAvailable();
        const QString why = left >= 0 && left < needed
                ? EditorText::tr("not enough disk space: %1 MB needed, %2 MB left")
                          .arg(double(needed) / (1 << 20), 0, 'f', 1)
                          .arg(double(left) / (1 << 20), 0, 'f', 1)
                : error;
        return editorReason(EditorText::tr("cannot write %1: %2; the old program is untouched").arg(m_path, why));
    }
    // The time stamp stays the program's own: the launcher replaces a copy
    // older than the installed program, carrying these assets over.
    QFile result(m_path);
    if (result.open(QIODevice::ReadWrite))
        result.setFileTime(stamp, QFileDevice::FileModificationTime);
    return {};
}

Outcome ShowProgram::carryWords(const Words &words, const QString &sourceName)
{
    if (words == Words())
        return change({}, { AssetBundle::Keys::words });
    return change({ { AssetBundle::Keys::words, sourceName, -1, WordsFile::toEntry(words) } });
}

Outcome ShowProgram::carryPace(const ShowPace &pace)
{
    if (pace.isDefault())
        return change({}, { AssetBundle::Keys::pace });
    return change({ { AssetBundle::Keys::pace, {}, -1, PaceEntry::toEntry(pace) } });
}
