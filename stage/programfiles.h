#pragma once

#include <QString>

// The files the show keeps beside the program, and the resources behind them.
namespace FileNames {
inline const QString letter = QStringLiteral("orlessa.ini");
inline const QString declaration = QStringLiteral("xuanyan.ini");
inline const QString music = QStringLiteral("Orlessa.mp3");
inline const QString video = QStringLiteral("Orlessa.avi");
} // namespace FileNames

namespace Resources {
inline const QString type = QStringLiteral("CUSTOM");
constexpr qint16 music = 101;
constexpr qint16 video = 102;
} // namespace Resources
