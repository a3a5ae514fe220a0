#pragma once

#include "runtime/messageboxes.h"

// The numbers the show's message boxes have always gone by: the buttons
// asked for, and the answer. The handlers test them, and the box report
// writes them for the scripts that drive the real program.
namespace BoxStyle {
constexpr int yesNo = 4;
constexpr int okInformation = 64;
} // namespace BoxStyle
namespace BoxResult {
constexpr int ok = 1;
constexpr int yes = 6;
constexpr int no = 7;
} // namespace BoxResult

namespace BoxCodes {
constexpr int of(BoxButtons buttons)
{
    return buttons == BoxButtons::YesNo ? BoxStyle::yesNo : BoxStyle::okInformation;
}
constexpr BoxButtons buttonsOf(int style)
{
    return style == BoxStyle::yesNo ? BoxButtons::YesNo : BoxButtons::Ok;
}
constexpr int of(BoxAnswer answer)
{
    return answer == BoxAnswer::Yes ? BoxResult::yes
            : answer == BoxAnswer::No ? BoxResult::no
                                      : BoxResult::ok;
}
} // namespace BoxCodes
