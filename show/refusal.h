#pragma once

#include "stage/words.h"

#include <QString>

// The refusal's texts when the preparer chose none.
namespace Refusal {

inline const QString vow = Words().filmCaption;
inline const QString pleaPrompt = Words().pleaPrompt;
inline const QString pleaTitle = Words().pleaTitle;
inline const QString matchmakerPrompt = Words().pleaMatchmakerPrompt;
inline const QString matchmakerTitle = Words().pleaMatchmakerTitle;
inline const QString vowPrompt = Words().vowPrompt;
inline const QString vowTitle = Words().vowTitle;

} // namespace Refusal
