// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/assetcommands.h"

#include "editor/editortext.h"
#include "editor/ownassets.h"
#include "editor/showprogram.h"
#include "runtime/carriedassets.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
CheckReport change(const QString &folder, const QList<AssetBundle::Asset> &assets,
                   const QStringList &dropped)
{
    if (const Outcome opens = canOpenFolder(folder); !opens.ok())
        return CheckReport::failure(opens.why());
    ShowProgram program(folder);
    if (const Outcome changed = program.change(assets, dropped); !changed.ok())
        return CheckReport::failure(changed.why());
    CheckReport report;
    report.output = EditorText::tr("%1 is written\n").arg(program.path());
    return report;
}
} // namespace

CheckReport replaceAsset(const AssetSlot &slot, const QString &file, const QString &folder)
{
    const auto prepared = prepareOwnAsset(slot, file);
    if (!prepared.ok())
        return CheckReport::failure(prepared.why());
    const QList<AssetBundle::Asset> &assets = *prepared;
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
        return CheckReport::failure(old.problem().text());
    CheckReport report;
    if (!old.problem().isEmpty())
        report.errors = EditorText::tr("velmora-editor: %1 carries nothing whole: %2\n")
                                .arg(oldProgram, old.problem().text());
    QList<AssetBundle::Asset> assets;
    for (const AssetBundle::Entry &entry : old.entries()) {
        Reason problem;
        if (const auto bytes = old.bytes(entry.key, &problem))
            assets.append({ entry.key, entry.sourceName, entry.durationMs, *bytes });
        else
            report.errors += QStringLiteral("velmora-editor: %1\n").arg(problem.text());
    }
    if (assets.isEmpty())
        return report;
    if (const Outcome changed = ShowProgram::at(newProgram).change(assets); !changed.ok())
        return CheckReport::failure(changed.why());
    report.output = EditorText::tr("%1 assets of %2 carried over to %3\n")
                            .arg(assets.size())
                            .arg(oldProgram, newProgram);
    return report;
}
