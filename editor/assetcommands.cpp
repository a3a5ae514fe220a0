#include "editor/assetcommands.h"

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
    if (!QFileInfo(folder).isDir())
        return failed(QStringLiteral("文件夹 %1 不存在").arg(folder));
    ShowProgram program(folder);
    QString problem;
    if (!program.change(assets, dropped, &problem))
        return failed(problem);
    CheckReport report;
    report.output = QStringLiteral("%1 已写好\n").arg(program.path());
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
                ? QStringLiteral("（%1 秒）").arg(double(asset.durationMs) / 1000.0, 0, 'f', 1)
                : QString();
        report.output = QStringLiteral("%1换成了 %2%3：%4")
                                .arg(slot.name, asset.sourceName, length, report.output);
    }
    return report;
}

CheckReport restoreAssets(const QString &folder)
{
    QStringList all;
    for (const AssetSlot &slot : AssetSlot::all())
        all += slot.keys();
    CheckReport report = change(folder, {}, all);
    if (report.exitCode == CheckReport::Clean)
        report.output = QStringLiteral("全部恢复成内置的音乐、短片和图片：%1").arg(report.output);
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
        report.errors = QCoreApplication::translate("carryOver", "velmora-editor: %1 carries nothing whole: %2\n")
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
    report.output = QCoreApplication::translate("carryOver", "%1 assets of %2 carried over to %3\n")
                            .arg(assets.size())
                            .arg(oldProgram, newProgram);
    return report;
}
