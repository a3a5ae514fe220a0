// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The character a typewriter types on the tick that brings its counter to
// `revealPos` (1-based); empty once the counter is past the end.
QString characterAt(const QString &source, qint64 revealPos);
