#pragma once

#include <QStringList>

// The lines a label draws: CR LF is one break; a lone CR or LF breaks the
// line too. Half a character (one unit of a pair beyond the 16-bit range) is
// never drawn.
QStringList splitLabelLines(const QString &text);
