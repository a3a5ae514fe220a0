// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The texts the window holds for fresh message files.
namespace DefaultTexts {

inline QString letter()
{
    return QStringLiteral("我们在最青春的时候相遇  那年的风很轻 阳光很暖 你笑得干净明亮  "
                          "我从此记住你说话的声音 和你认真时 微微皱眉的样子  \r\n"
                          "\r\n"
                          "逛街的时候 我总想悄悄牵起你的手  看电影时 你偷偷打了个哈欠 "
                          "却还装作看得很认真  那一刻我觉得 整个世界都好温柔\r\n"
                          "\r\n"
                          "从前的我很害羞 话到嘴边又咽了回去  可是今天 我不想再犹豫 也不想再躲闪  "
                          "我要清楚地告诉你 我喜欢你 真的很喜欢你\r\n"
                          "\r\n"
                          "只要你不讨厌我 我就会一直向你奔跑 然后用我的全力 好好保护你\r\n");
}

inline QString declaration()
{
    return QStringLiteral("如果我们之间有100步的距离  我会勇敢地向你走出99步  "
                          "只要你向我走剩下的一步  我会用我所有的力量关心你  保护你\r\n");
}

} // namespace DefaultTexts
