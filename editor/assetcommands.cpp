#include "editor/assetcommands.h"

#include "editor/ownassets.h"
#include "editor/showprogram.h"

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
