// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stage/words.h"

// The matchmaking page the show opens when the preparer chose none.
namespace Matchmaker {
inline const QString address = Words::defaultAddress();
}
