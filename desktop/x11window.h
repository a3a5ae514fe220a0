// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the window needs from an X11 window manager that Qt's own window
// flags do not ask for: no taskbar or pager entry, only moving and closing
// offered, and the size of the frame the window manager draws around it.

#include <QMargins>

#include <functional>

class QWidget;

namespace X11Window {

// True when the program runs on the xcb platform.
bool isActive();

// Asks for no taskbar or pager entry and offers only moving and closing.
// Call after the native window exists and before it is shown.
void setDialogHints(QWidget &window);

// Asks the window manager what frame it will draw around the window, which
// is not shown yet, and waits briefly for the answer. False when no window
// manager answers; the extents are in the window's logical pixels.
bool estimateFrameExtents(QWidget &window, QMargins *extents);

// Calls `reported` once, with the extents the window manager sets on the
// window when it frames it.
void onFrameExtents(QWidget &window, std::function<void(QMargins)> reported);

} // namespace X11Window
