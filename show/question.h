#pragma once

#include "stage/words.h"

#include <QString>

namespace Question {

// The question's texts when the preparer chose none.
inline const QString prompt = Words().questionPrompt;
inline const QString title = Words().questionTitle;
inline const QString matchmakerPrompt = Words().matchmakerPrompt;
inline const QString matchmakerTitle = Words().matchmakerTitle;

// Where the waiting figure stands once it has moved against the walking one.
float meetingLeft(float walkingWidth, float walkingLeft);

} // namespace Question
