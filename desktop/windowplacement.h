// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

class QScreen;
class QWidget;

// Where the client area goes so that the whole window, frame included, is
// centred in `available`.
QPoint centredClientPosition(const QRect &available, QSize client, QMargins frame);

// The window has no taskbar entry and, where the window manager honours it,
// no minimise button; should it be minimised all the same, it comes back at
// once rather than be lost while the show goes on.
void keepFromMinimising(QWidget &window);

// Shows a fixed-size top-level window centred, frame included, on the screen
// it opens on. On X11 it also asks for no taskbar entry and no minimise or
// maximise, and learns the frame's size from the window manager.
void showCentred(QWidget &window);

// The screen under the pointer, where a window opened now belongs; the
// primary screen where the pointer cannot be told (Wayland).
QScreen *screenUnderPointer();

// Shows the window over the whole of `screen`, full screen above panels and
// docks (_NET_WM_STATE_FULLSCREEN on X11). `refused` is called, once, when
// the window manager has not given it the whole screen a moment later.
void showFullScreenOn(QWidget &window, QScreen *screen, std::function<void()> refused);

// Brings the window to the front and gives it the focus, or the box it is
// asking from, should one be open.
void bringForward(QWidget &window);
