#pragma once

#include <QString>

// The show's program and the files it keeps beside it, and the resources
// behind them.
namespace FileNames {
inline constexpr QLatin1String program("velmora");
inline constexpr QLatin1String letter("orlessa.ini");
inline constexpr QLatin1String declaration("xuanyan.ini");
inline constexpr QLatin1String music("Orlessa.mp3");
inline constexpr QLatin1String video("Orlessa.avi");
} // namespace FileNames

namespace Resources {
inline constexpr QLatin1String type("CUSTOM");
constexpr qint16 music = 101;
constexpr qint16 video = 102;
} // namespace Resources
