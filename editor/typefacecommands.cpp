// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/typefacecommands.h"

#include "editor/editortext.h"
#include "editor/showprogram.h"
#include "editor/stagelayout.h"
#include "runtime/carriedassets.h"

#include <QFile>
#include <QFontDatabase>
#include <QFileInfo>

namespace {

std::optional<Typeface::Text> textNamed(const QString &name)
{
    if (name == QLatin1String("letter"))
        return Typeface::Text::Letter;
    if (name == QLatin1String("declaration"))
        return Typeface::Text::Declaration;
    return std::nullopt;
}

QString nameOf(Typeface::Text text)
{
    return text == Typeface::Text::Letter ? EditorText::tr("the letter's typeface")
                                          : EditorText::tr("the declaration's typeface");
}

// The entry for `choice`: a font file's bytes or an installed family.
std::optional<AssetBundle::Asset> entryFor(Typeface::Text text, const QString &choice,
                                           Typeface::Refusal *refusal)
{
    const QFileInfo file(choice);
    if (!file.exists()) {
        if (!QFontDatabase::hasFamily(choice)) {
            *refusal = Typeface::Refusal::NotInstalled;
            return std::nullopt;
        }
        return AssetBundle::Asset { Typeface::key(text), choice, -1, Typeface::familyEntry(choice) };
    }
    if (file.size() > Typeface::maxFileBytes) {
        *refusal = Typeface::Refusal::TooLarge;
        return std::nullopt;
    }
    QFile in(choice);
    if (!file.isFile() || !in.open(QIODevice::ReadOnly)) {
        *refusal = Typeface::Refusal::Unreadable;
        return std::nullopt;
    }
    const QByteArray bytes = in.readAll();
    *refusal = Typeface::checkFile(bytes);
    if (*refusal != Typeface::Refusal::None)
        return std::nullopt;
    return AssetBundle::Asset { Typeface::key(text), file.fileName(), -1, bytes };
}
} // namespace

QString refusalText(Typeface::Refusal refusal, const QString &choice)
{
    using Refusal = Typeface::Refusal;
    switch (refusal) {
    case Refusal::None:
        return {};
    case Refusal::Unreadable:
        return EditorText::tr("%1 cannot be read").arg(choice);
    case Refusal::TooLarge:
        return EditorText::tr("%1 is larger than %2 MB").arg(choice).arg(Typeface::maxFileBytes / (1024 * 1024));
    case Refusal::NotAFont:
        return EditorText::tr("%1 is no TrueType or OpenType font").arg(choice);
    case Refusal::Damaged:
        return EditorText::tr("%1 is a damaged font").arg(choice);
    case Refusal::NotInstalled:
        return EditorText::tr("\"%1\" is neither a font file nor a family installed here").arg(choice);
    }
    return {};
}

CheckReport setTypeface(const QString &textName, const QString &choice, const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return CheckReport::failure(EditorText::tr("the folder %1 does not exist").arg(folder));
    const std::optional<Typeface::Text> text = textNamed(textName);
    if (!text)
        return CheckReport::failure(EditorText::tr("--typeface is for \"letter\" or \"declaration\", not \"%1\"").arg(textName));
    ShowProgram program(folder);
    CheckReport report;
    if (choice == QLatin1String("default")) {
        if (const Outcome changed = program.change({}, { Typeface::key(*text) }); !changed.ok())
            return CheckReport::failure(changed.why());
        report.output = EditorText::tr("%1: the stage's own; %2 is written\n").arg(nameOf(*text), program.path());
        return report;
    }
    Typeface::Refusal refusal = Typeface::Refusal::None;
    const std::optional<AssetBundle::Asset> entry = entryFor(*text, choice, &refusal);
    if (!entry)
        return CheckReport::failure(EditorText::tr("%1; nothing is written").arg(refusalText(refusal, choice)));
    if (const Outcome changed = program.change({ *entry }); !changed.ok())
        return CheckReport::failure(changed.why());
    report.output = EditorText::tr("%1: %2; %3 is written\n").arg(nameOf(*text), choice, program.path());
    return report;
}

QString describeTypefaces(const CarriedAssets &carried)
{
    QString lines;
    for (const Typeface::Text text : { Typeface::Text::Letter, Typeface::Text::Declaration }) {
        const AssetBundle::Entry *entry = carried.find(Typeface::key(text));
        if (!entry) {
            lines += EditorText::tr("%1: the stage's own\n").arg(asHeading(nameOf(text)));
            continue;
        }
        Typeface::Refusal refusal = Typeface::Refusal::None;
        const QFont font = Typeface::carriedFont(carried, text, QFont(), &refusal);
        if (refusal != Typeface::Refusal::None)
            lines += EditorText::tr("%1: unusable (%2); the show draws in the stage's own\n")
                             .arg(asHeading(nameOf(text)), refusalText(refusal, entry->sourceName));
        else
            lines += EditorText::tr("%1: %2 (from %3)\n")
                             .arg(asHeading(nameOf(text)), font.families().value(0), entry->sourceName);
    }
    return lines;
}

StageLayout withCarriedTypefaces(StageLayout layout, const CarriedAssets &carried)
{
    Typeface::Refusal refusal = Typeface::Refusal::None;
    layout.letterFont = Typeface::carriedFont(carried, Typeface::Text::Letter, layout.letterFont, &refusal);
    layout.declarationFont
            = Typeface::carriedFont(carried, Typeface::Text::Declaration, layout.declarationFont, &refusal);
    return layout;
}
