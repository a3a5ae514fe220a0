#pragma once

#include "show/twolineprompt.h"

#include <QString>

namespace Question {

inline const QString prompt = QStringLiteral("愿意走这一步吗?");
inline const QString title = QStringLiteral("询问");
inline const QString matchmakerPrompt = twoLinePrompt(
        QStringLiteral("我们开始约会吧!"), QStringLiteral("需要去感谢我们的红娘吗??"));
inline const QString matchmakerTitle = QStringLiteral("兴奋");

// Where the waiting figure stands once it has moved against the walking one.
float meetingLeft(float walkingWidth, float walkingLeft);

} // namespace Question
