// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QApplication;

// The Chinese faces of the interface and the window, best first.
QStringList chineseInterfaceFamilies();

class QFont;

// The face the show's window and boxes speak in.
QFont chineseInterfaceFont();

// Qt's own texts in Simplified Chinese (是(Y), 否(N), 确定...) and a Chinese
// interface face, for the show and the editor alike.
void useChineseInterface(QApplication &app);
