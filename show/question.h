#pragma once

namespace Question {

// Where the waiting figure stands once it has moved against the walking one.
float meetingLeft(float walkingWidth, float walkingLeft);

} // namespace Question
