// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/outcome.h"
#include "runtime/assetbundle.h"
#include "runtime/carriedassets.h"

#include <QString>
#include <QStringList>

struct ShowPace;
struct Words;

// The show's program in a folder, `velmora`, and the preparer's own assets it
// carries. Every change rewrites the program atomically: the new program is
// written whole beside it and renamed over it, with the old one's permissions
// and time stamp (the launcher's upgrade goes by the time stamp), so that a
// failed write leaves the old program as it was.
class ShowProgram
{
public:
    explicit ShowProgram(const QString &folder);
    // The program at `programPath`, whatever its name.
    static ShowProgram at(const QString &programPath);

    QString path() const { return m_path; }
    bool exists() const;
    // The program beside the editor that a folder without one gets a copy of.
    static QString installed();

    // What the folder's program (or, when the folder has none, the installed
    // one) carries; nothing and a one-line problem when it cannot be read or
    // is not the show.
    Produced<CarriedAssets> read() const;

    // Carries `assets` in place of those of the same keys and no longer
    // carries `dropped`; whatever else the program carries whole stays.
    Outcome change(const QList<AssetBundle::Asset> &assets, const QStringList &dropped = {});

    // Carries `words` as the show's words (nothing at all when they are the
    // defaults), `sourceName` saying where they came from.
    Outcome carryWords(const Words &words, const QString &sourceName);
    // Carries `pace` (nothing at all when it is the default one).
    Outcome carryPace(const ShowPace &pace);

private:
    ShowProgram() = default;
    QString source() const;

    QString m_path;
};
