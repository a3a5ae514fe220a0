#include "editor/assetcommands.h"

#include "editor/editortext.h"
#include "editor/ownassets.h"
#include "editor/showprogram.h"
#include "runtime/carriedassets.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
CheckReport failed(const QString &problem)
{
    CheckReport report;
    report.exitCode = CheckReport::Unreadable;
    report.errors = QStringLiteral("velmora-editor: %1\n").arg(problem);
    return report;
}

CheckReport change(const QString &folder, const QList<AssetBundle::Asset> &assets,
                   const QStringList &dropped)
{
    if (const QString problem = whyFolderCannotBeOpened(folder); !problem.isEmpty())
        return failed(problem);
    ShowProgram program(folder);
    QString problem;
    if (!program.change(assets, dropped, &problem))
        return failed(problem);
    CheckReport report;
    report.output = EditorText::tr("%1 is written\n").arg(program.path());
    return report;
}
} // namespace

CheckReport replaceAsset(const AssetSlot &slot, const QString &file, const QString &folder)
{
    QString problem;
    const QList<AssetBundle::Asset> assets = prepareOwnAsset(slot, file, &problem);
    if (assets.isEmpty())
        return failed(problem);
    CheckReport report = change(folder, assets, {});
    if (report.exitCode == CheckReport::Clean) {
        const AssetBundle::Asset &asset = assets.first();
        const QString length = asset.durationMs > 0
                ? EditorText::tr(" (%1 s)").arg(double(asset.durationMs) / 1000.0, 0, 'f', 1)
                : QString();
        report.output = EditorText::tr("%1 replaced by %2%3: %4")
                                .arg(slot.name(), asset.sourceName, length, report.output);
    }
    return report;
}

CheckReport restoreAssets(const QString &folder)
{
    QStringList all;
    for (const AssetSlot &slot : AssetSlot::all())
        all += slot.keys();
    all += AssetBundle::Keys::words;
    all += AssetBundle::Keys::pace;
    all += AssetBundle::Keys::letterTypeface;
    all += AssetBundle::Keys::declarationTypeface;
    CheckReport report = change(folder, {}, all);
    if (report.exitCode == CheckReport::Clean)
        report.output = EditorText::tr("the built-in music, film, pictures and words are all back: %1").arg(report.output);
    return report;
}

CheckReport carryOver(const QString &oldProgram, const QString &newProgram)
{
    const CarriedAssets old = CarriedAssets::of(oldProgram);
    if (!old.isProgram() && QFileInfo(oldProgram).isReadable())
        return {}; // not a program: nothing of the preparer's to carry
    if (!old.isProgram())
        return failed(old.problem());
    CheckReport report;
    if (!old.problem().isEmpty())
        report.errors = EditorText::tr("velmora-editor: %1 carries nothing whole: %2\n")
                                .arg(oldProgram, old.problem());
    QList<AssetBundle::Asset> assets;
    for (const AssetBundle::Entry &entry : old.entries()) {
        QString problem;
        if (const auto bytes = old.bytes(entry.key, &problem))
            assets.append({ entry.key, entry.sourceName, entry.durationMs, *bytes });
        else
            report.errors += QStringLiteral("velmora-editor: %1\n").arg(problem);
    }
    if (assets.isEmpty())
        return report;
    QString problem;
    if (!ShowProgram::at(newProgram).change(assets, {}, &problem))
        return failed(problem);
    report.output = EditorText::tr("%1 assets of %2 carried over to %3\n")
                            .arg(assets.size())
                            .arg(oldProgram, newProgram);
    return report;
}
