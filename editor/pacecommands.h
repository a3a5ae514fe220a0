// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/checkreport.h"
#include "editor/outcome.h"
#include "stage/showpace.h"

#include <QStringList>

class CarriedAssets;

// `--pace LETTER_MS DECLARATION_MS | fit`: carried by the folder's program;
// refused, with exit code 2 and nothing written, when it cannot be a pace.
CheckReport setPace(const QStringList &values, const QString &folder);
// Why a pace is refused, in the editor's language.
QString refusalText(const PaceEntry::Refusal &refusal);
// The pace the program carries, in a line, for --check and --export-words.
QString describePace(const ShowPace &pace);
// The pace `carried` holds (the default when it holds none), or why it is unusable.
Produced<ShowPace> carriedPace(const CarriedAssets &carried);
