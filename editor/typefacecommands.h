// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/checkreport.h"
#include "stage/typeface.h"

class CarriedAssets;
struct StageLayout;

// `--typeface letter|declaration FILE|FAMILY|default`: the typeface the
// folder's program carries for that text. A file that is no font, a damaged
// one or one over 20 MB, and a family not installed, are refused with their
// reason and exit code 2, and nothing is written.
CheckReport setTypeface(const QString &text, const QString &choice, const QString &folder);
// Why a typeface is refused, in the editor's language.
QString refusalText(Typeface::Refusal refusal, const QString &choice);
// The typefaces the program carries, a line each, for --check.
QString describeTypefaces(const CarriedAssets &carried);
// `layout` measured with the typefaces the program carries.
StageLayout withCarriedTypefaces(StageLayout layout, const CarriedAssets &carried);
