// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The show's texts break lines with CR LF; Qt and the desktop break them with
// LF. A lone CR or LF counts as a break too.
namespace LineBreaks {

// Every break (CR LF, CR or LF) as LF.
QString toLf(const QString &text);
// Every break (CR LF, CR or LF) as CR LF.
QString toCrLf(const QString &text);

} // namespace LineBreaks
