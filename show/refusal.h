#pragma once

#include "show/twolineprompt.h"

#include <QString>

namespace Refusal {

inline const QString vow = QStringLiteral("我一定要追到你!!!");

inline const QString pleaPrompt = QStringLiteral("能给我一次机会吗?");
inline const QString pleaTitle = QStringLiteral("询问");
// Unlike the first matchmaker box, this one asks without "吗".
inline const QString matchmakerPrompt = twoLinePrompt(
        QStringLiteral("我们开始约会吧!"), QStringLiteral("需要去感谢我们的红娘??"));
inline const QString matchmakerTitle = QStringLiteral("兴奋");
inline const QString vowPrompt = twoLinePrompt(QStringLiteral("我一定要追到你"),
                                                           QStringLiteral("百分之一千万要追到你"));
inline const QString vowTitle = QStringLiteral("奋斗");

} // namespace Refusal
